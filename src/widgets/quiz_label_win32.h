// The quiz label: one line of text on the panel face, as wide as its text.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "widgets/widget_win32.h"

namespace tavlin {

class QuizLabel : public Widget {
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

 private:
  void Paint(HDC target, const RECT& area) override;

  HFONT font_;
  std::string text_;  // the text shown ("" as created)
  int width_ = 0;
};

/// Size in pixels of `text` drawn in `font`, on a single line with "&" shown as itself.
SIZE TextSize(HFONT font, const std::wstring& text);

}  // namespace tavlin
