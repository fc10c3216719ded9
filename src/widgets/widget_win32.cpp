#include "widgets/widget_win32.h"

#include "win32/gdi_win32.h"
#include "win32/hint_relay_win32.h"

namespace tavlin {

LRESULT Widget::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  RelayMouseToHints(hints_, hwnd(), message, wparam, lparam);
  switch (message) {
    case WM_PAINT: {
      PaintScope paint(hwnd());
      Paint(paint.dc(), paint.area());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // every widget paints its whole picture itself
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd(), message, wparam, lparam);
      OnTextChanged();
      return result;
    }
    case WM_LBUTTONDOWN:
      if (mouse_.on_press) mouse_.on_press();
      return 0;
    case WM_LBUTTONDBLCLK:
      if (mouse_.on_double_click) {
        mouse_.on_double_click();
      } else if (mouse_.on_press) {
        mouse_.on_press();
      }
      return 0;
    default:
      return HandleWidgetMessage(message, wparam, lparam);
  }
}

}  // namespace tavlin
