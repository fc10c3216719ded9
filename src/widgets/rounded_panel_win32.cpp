#include "widgets/rounded_panel_win32.h"

#include <string>

#include "base/scaling.h"
#include "win32/colours_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kClassName[] = L"TavlinRoundedPanel";
constexpr COLORREF kFlatColour = RGB(44, 40, 40);

}  // namespace

void PaintRoundedFrame(HDC dc, int width, int height, int line_width, COLORREF corner_colour) {
  static const COLORREF border = LightenColour(kFlatColour, 30);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int u = line_width;
  FillSolid(dc, RECT{0, 0, width, height}, corner_colour);
  FillSolid(dc, RECT{u, u, width - u, height - u}, face);
  // The outer row: a line along each side that stops two lines short of the corners...
  FillSolid(dc, RECT{2 * u, 0, width - 2 * u, u}, border);
  FillSolid(dc, RECT{2 * u, height - u, width - 2 * u, height}, border);
  FillSolid(dc, RECT{0, 2 * u, u, height - 2 * u}, border);
  FillSolid(dc, RECT{width - u, 2 * u, width, height - 2 * u}, border);
  // ...closed by one dot set diagonally inside each corner.
  FillSolid(dc, RECT{u, u, 2 * u, 2 * u}, border);
  FillSolid(dc, RECT{width - 2 * u, u, width - u, 2 * u}, border);
  FillSolid(dc, RECT{u, height - 2 * u, 2 * u, height - u}, border);
  FillSolid(dc, RECT{width - 2 * u, height - 2 * u, width - u, height - u}, border);
}

RoundedPanel::RoundedPanel(HWND parent, Settings settings)
    : Widget({settings.on_press, settings.on_double_click}), settings_(std::move(settings)) {
  // A context of its own: drawn every second, it is not taken from the shared ones and set up
  // afresh each time (under Wine each fresh one selects the system font again).
  RegisterClassOnce(kClassName, CS_DBLCLKS | CS_OWNDC, nullptr);
  const Bounds& b = settings_.bounds;
  CreateHandle(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
               b.left, b.top, b.width, b.height, parent);
}

void RoundedPanel::Place(const Bounds& bounds, int dpi, HFONT font) {
  buffer_.KeepFont(nullptr);  // the font before may be deleted from now on
  settings_.bounds = bounds;
  settings_.dpi = dpi;
  settings_.font = font;
  SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT RoundedPanel::HandleWidgetMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PRINTCLIENT: {
      // Themed buttons on the panel ask for the face behind their rounded corners.
      RECT client;
      GetClientRect(hwnd(), &client);
      PaintRoundedFrame(reinterpret_cast<HDC>(wparam), client.right, client.bottom,
                        ScaleToDpi(1, settings_.dpi), settings_.corner_colour);
      return 0;
    }
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_COMMAND:
      // The buttons on the panel are the strip's buttons: their clicks go to the strip.
      return SendMessageW(GetAncestor(hwnd(), GA_ROOT), message, wparam, lparam);
    default:
      return Widget::HandleWidgetMessage(message, wparam, lparam);
  }
}

void RoundedPanel::OnTextChanged() {
  PaintNow(hwnd(), Inside(), [this](HDC dc, const RECT& area) { Paint(dc, area); });
}

RECT RoundedPanel::Inside() const {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int border = 2 * ScaleToDpi(1, settings_.dpi);
  return RECT{border, border, client.right - border, client.bottom - border};
}

void RoundedPanel::Paint(HDC target, const RECT& area) {
  RECT client;
  GetClientRect(hwnd(), &client);
  BufferedAreaPaint buffer(buffer_, target, client.right, client.bottom, area);
  const int line_width = ScaleToDpi(1, settings_.dpi);
  PaintRoundedFrame(buffer.dc(), client.right, client.bottom, line_width, settings_.corner_colour);

  // The strip's captions fit the buffer on the stack; a longer one is read whole.
  wchar_t short_caption[64];
  int length = GetWindowTextW(hwnd(), short_caption, 64);
  std::wstring long_caption;
  const wchar_t* caption = short_caption;
  if (length >= 63) {
    long_caption = WindowText(hwnd());
    caption = long_caption.c_str();
    length = static_cast<int>(long_caption.size());
  }
  if (length == 0) return;
  buffer_.KeepFont(settings_.font);
  SetBkMode(buffer.dc(), TRANSPARENT);
  SetTextColor(buffer.dc(), GetSysColor(COLOR_WINDOWTEXT));
  RECT inside = Inside();
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  format |= settings_.align == Align::kLeft    ? DT_LEFT
            : settings_.align == Align::kRight ? DT_RIGHT
                                               : DT_CENTER;
  DrawTextW(buffer.dc(), caption, length, &inside, format);
}

}  // namespace tavlin
