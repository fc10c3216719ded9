#include "ui/game_time_pane_win32.h"

#include <algorithm>
#include <string>

#include "base/scaling.h"
#include "win32/colours_win32.h"
#include "win32/dpi_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kClassName[] = L"TavlinGameTimePane";
// Bold "굴림" of this height; the text starts this far into the black interior.
constexpr int kFontHeight = 19;
constexpr int kTextIndent = 3;

}  // namespace

BlinkClock& BlinkClock::Instance() {
  static BlinkClock clock;
  return clock;
}

void BlinkClock::Join(GameTimePane* pane) {
  panes_.push_back(pane);
  // The clock runs for as long as any pane exists, blinking or not.
  if (timer_ == 0) timer_ = SetTimer(nullptr, 0, kPhaseMs, &BlinkClock::OnTimer);
}

void BlinkClock::Leave(GameTimePane* pane) {
  panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
  if (panes_.empty() && timer_ != 0) {
    KillTimer(nullptr, timer_);
    timer_ = 0;
  }
}

void CALLBACK BlinkClock::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  RunGuarded([] { Instance().OnPhase(); });
}

void BlinkClock::OnPhase() {
  blink_phase_ = !blink_phase_;
  for (GameTimePane* pane : panes_) pane->OnBlinkPhase();
}

GameTimePane::GameTimePane(HWND parent, const Bounds& bounds, int dpi,
                           std::function<void()> on_press)
    : font_(CreateGulimFont(ScaleToDpi(kFontHeight, dpi), FW_BOLD)),
      dpi_(dpi),
      on_press_(std::move(on_press)) {
  RegisterClassOnce(kClassName, 0, nullptr);
  CreateHandle(0, kClassName, L"00:00:00", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
               bounds.width, bounds.height, parent);
  BlinkClock::Instance().Join(this);
}

void GameTimePane::Place(const Bounds& bounds, int dpi) {
  font_.Reset(CreateGulimFont(ScaleToDpi(kFontHeight, dpi), FW_BOLD));
  dpi_ = dpi;
  SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

GameTimePane::~GameTimePane() {
  BlinkClock::Instance().Leave(this);
}

void GameTimePane::SetBlinking(bool on) {
  if (on == blinking_) return;
  blinking_ = on;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void GameTimePane::SetTextColour(COLORREF colour) {
  text_colour_ = colour;
  // While blinking, the new colour waits for the next phase that shows the selected colour.
  if (!blinking_) InvalidateRect(hwnd(), nullptr, FALSE);
}

void GameTimePane::OnBlinkPhase() {
  if (blinking_) InvalidateRect(hwnd(), nullptr, FALSE);
}

COLORREF GameTimePane::ShownColour() const {
  return blinking_ && BlinkClock::Instance().blink_phase() ? kBlinkColour : text_colour_;
}

LRESULT GameTimePane::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT:
      return SetTextAndRepaint(hwnd(), wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (on_press_) on_press_();
      return 0;
    default:
      return WindowBase::HandleMessage(message, wparam, lparam);
  }
}

void GameTimePane::OnPaint() {
  PaintScope paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  const int w = client.right, h = client.bottom;
  const int u = ScaleToDpi(1, dpi_);
  BufferedPaint buffer(paint.dc(), w, h);
  HDC dc = buffer.dc();

  // Outer ring in the parent's face colour, a frame in the lightened shadow colour without its
  // corner dots, and the black interior.
  FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
  const COLORREF frame = LightenColour(GetSysColor(COLOR_BTNSHADOW), 30);
  FillSolid(dc, RECT{2 * u, u, w - 2 * u, 2 * u}, frame);
  FillSolid(dc, RECT{2 * u, h - 2 * u, w - 2 * u, h - u}, frame);
  FillSolid(dc, RECT{u, 2 * u, 2 * u, h - 2 * u}, frame);
  FillSolid(dc, RECT{w - 2 * u, 2 * u, w - u, h - 2 * u}, frame);
  const RECT interior{2 * u, 2 * u, w - 2 * u, h - 2 * u};
  FillSolid(dc, interior, RGB(0, 0, 0));

  const std::wstring text = WindowText(hwnd());
  SelectionScope font(dc, font_.get());
  SIZE pp{};
  GetTextExtentPoint32W(dc, L"Pp", 2, &pp);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ShownColour());
  RECT clip = interior;
  const int top = interior.top + (interior.bottom - interior.top - pp.cy) / 2;
  ExtTextOutW(dc, interior.left + ScaleToDpi(kTextIndent, dpi_), top, ETO_CLIPPED, &clip,
              text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace tavlin
