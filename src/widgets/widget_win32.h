// widgets/ holds the strip's painted widgets: the flat rounded panel, the game-time pane and the
// quiz label, on one skeleton.
// The skeleton they share: mouse messages relayed to the hints, painting into the widget's own
// picture, a new text shown at once, and a press (a window drag) and a double-click.
#pragma once

#include <windows.h>

#include <functional>

#include "win32/window_base_win32.h"

namespace tavlin {

class Widget : public WindowBase {
 public:
  /// What a press of the left button does, and a double-click (empty: a double-click is a press;
  /// only classes registered with CS_DBLCLKS get double-clicks).
  struct Mouse {
    std::function<void()> on_press;
    std::function<void()> on_double_click;
  };

  /// The tooltip this widget hands its mouse messages to, for its hint (not owned; null: none).
  void set_hints(HWND hints) { hints_ = hints; }

 protected:
  explicit Widget(Mouse mouse) : mouse_(std::move(mouse)) {}

  /// Draws `area` of the widget on `target`, a context of its client area.
  virtual void Paint(HDC target, const RECT& area) = 0;
  /// The window text has changed: the default repaints the whole widget when it is next painted.
  virtual void OnTextChanged() { InvalidateRect(hwnd(), nullptr, FALSE); }
  /// Messages the skeleton does not handle.
  virtual LRESULT HandleWidgetMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return WindowBase::HandleMessage(message, wparam, lparam);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) final;

  Mouse mouse_;
  HWND hints_ = nullptr;
};

}  // namespace tavlin
