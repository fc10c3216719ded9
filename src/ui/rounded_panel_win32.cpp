#include "ui/rounded_panel_win32.h"

#include <string>

#include "win32/colours_win32.h"
#include "win32/gdi_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kClassName[] = L"TavlinRoundedPanel";
constexpr COLORREF kFlatColour = RGB(44, 40, 40);

}  // namespace

void PaintRoundedFrame(HDC dc, int width, int height, COLORREF corner_colour) {
  const COLORREF border = LightenColour(kFlatColour, 30);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  FillSolid(dc, RECT{0, 0, width, height}, corner_colour);
  FillSolid(dc, RECT{1, 1, width - 1, height - 1}, face);
  // The outer row: a line along each side that stops two pixels short of the corners...
  FillSolid(dc, RECT{2, 0, width - 2, 1}, border);
  FillSolid(dc, RECT{2, height - 1, width - 2, height}, border);
  FillSolid(dc, RECT{0, 2, 1, height - 2}, border);
  FillSolid(dc, RECT{width - 1, 2, width, height - 2}, border);
  // ...closed by one pixel set diagonally inside each corner.
  SetPixel(dc, 1, 1, border);
  SetPixel(dc, width - 2, 1, border);
  SetPixel(dc, 1, height - 2, border);
  SetPixel(dc, width - 2, height - 2, border);
}

RoundedPanel::RoundedPanel(HWND parent, Settings settings) : settings_(std::move(settings)) {
  RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr);
  CreateHandle(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
               settings_.x, settings_.y, settings_.width, settings_.height, parent);
}

LRESULT RoundedPanel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PRINTCLIENT: {
      // Themed buttons on the panel ask for the face behind their rounded corners.
      RECT client;
      GetClientRect(hwnd(), &client);
      PaintRoundedFrame(reinterpret_cast<HDC>(wparam), client.right, client.bottom,
                        settings_.corner_colour);
      return 0;
    }
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_COMMAND:
      // The buttons on the panel are the strip's buttons: their clicks go to the strip.
      return SendMessageW(GetAncestor(hwnd(), GA_ROOT), message, wparam, lparam);
    case WM_SETTEXT:
      return SetTextAndRepaint(hwnd(), wparam, lparam);
    case WM_LBUTTONDOWN:
      if (settings_.on_press) settings_.on_press();
      return 0;
    case WM_LBUTTONDBLCLK:
      if (settings_.on_double_click) {
        settings_.on_double_click();
      } else if (settings_.on_press) {
        settings_.on_press();
      }
      return 0;
    default:
      return WindowBase::HandleMessage(message, wparam, lparam);
  }
}

void RoundedPanel::OnPaint() {
  PaintScope paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  BufferedPaint buffer(paint.dc(), client.right, client.bottom);
  PaintRoundedFrame(buffer.dc(), client.right, client.bottom, settings_.corner_colour);

  const std::wstring caption = WindowText(hwnd());
  if (caption.empty()) return;
  SelectionScope font(buffer.dc(), settings_.font);
  SetBkMode(buffer.dc(), TRANSPARENT);
  SetTextColor(buffer.dc(), GetSysColor(COLOR_WINDOWTEXT));
  RECT inside{2, 2, client.right - 2, client.bottom - 2};
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  format |= settings_.align == Align::kLeft    ? DT_LEFT
            : settings_.align == Align::kRight ? DT_RIGHT
                                               : DT_CENTER;
  DrawTextW(buffer.dc(), caption.c_str(), static_cast<int>(caption.size()), &inside, format);
}

}  // namespace tavlin
