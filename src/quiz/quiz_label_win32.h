// The quiz label: one line of text on the panel face, as wide as its text.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win32/window_base_win32.h"

namespace tavlin {

class QuizLabel : public WindowBase {
 public:
  /// A visible child of `parent` at x, y, drawn in `font` (not owned).
  QuizLabel(HWND parent, int x, int y, HFONT font, std::function<void()> on_press,
            std::function<void()> on_double_click);

  /// Shows `text` (UTF-8) and resizes the label to its width; returns that width in pixels.
  int SetText(const std::string& text);
  /// Moves the label to x, y of its parent and draws it in `font` (not owned) from now on,
  /// resized to its text in that font, as a new DPI asks.
  void Place(int x, int y, HFONT font);
  int width() const { return width_; }
  const std::string& text() const { return text_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void OnPaint();

  HFONT font_;
  std::string text_;  // the text shown ("" as created)
  int width_ = 0;
  std::function<void()> on_press_;
  std::function<void()> on_double_click_;
};

/// Size in pixels of `text` drawn in `font`, on a single line with "&" shown as itself.
SIZE TextSize(HFONT font, const std::wstring& text);

}  // namespace tavlin
