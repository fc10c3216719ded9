#include "ui/game_time_pane_win32.h"

#include <algorithm>
#include <string>

#include "win32/colours_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kClassName[] = L"TavlinGameTimePane";

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
  Instance().OnPhase();
}

void BlinkClock::OnPhase() {
  blink_phase_ = !blink_phase_;
  for (GameTimePane* pane : panes_) pane->OnBlinkPhase();
}

GameTimePane::GameTimePane(HWND parent, int x, int y, int width, int height,
                           std::function<void()> on_press)
    : font_(CreateFontW(-19, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, HANGEUL_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, L"굴림")),
      on_press_(std::move(on_press)) {
  RegisterClassOnce(kClassName, 0, nullptr);
  CreateHandle(0, kClassName, L"00:00:00", WS_CHILD | WS_VISIBLE, x, y, width, height, parent);
  BlinkClock::Instance().Join(this);
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
  BufferedPaint buffer(paint.dc(), w, h);
  HDC dc = buffer.dc();

  // Outer ring in the parent's face colour, a frame in the lightened shadow colour without its
  // corner pixels, and the black interior.
  FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
  const COLORREF frame = LightenColour(GetSysColor(COLOR_BTNSHADOW), 30);
  FillSolid(dc, RECT{2, 1, w - 2, 2}, frame);
  FillSolid(dc, RECT{2, h - 2, w - 2, h - 1}, frame);
  FillSolid(dc, RECT{1, 2, 2, h - 2}, frame);
  FillSolid(dc, RECT{w - 2, 2, w - 1, h - 2}, frame);
  const RECT interior{2, 2, w - 2, h - 2};
  FillSolid(dc, interior, RGB(0, 0, 0));

  const std::wstring text = WindowText(hwnd());
  SelectionScope font(dc, font_.get());
  SIZE pp{};
  GetTextExtentPoint32W(dc, L"Pp", 2, &pp);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ShownColour());
  RECT clip = interior;
  const int top = interior.top + (interior.bottom - interior.top - pp.cy) / 2;
  ExtTextOutW(dc, interior.left + 3, top, ETO_CLIPPED, &clip, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
}

}  // namespace tavlin
