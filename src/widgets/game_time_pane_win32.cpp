#include "widgets/game_time_pane_win32.h"

#include <algorithm>

#include "base/ink_placement.h"
#include "base/scaling.h"
#include "win32/colours_win32.h"
#include "win32/dpi_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kClassName[] = L"TavlinGameTimePane";
// Bold "굴림" of this height; the text starts this far into the black interior.
constexpr int kFontHeight = 19;
constexpr int kTextIndent = 3;

// Where the ink of "hh:mm:ss" with the widest-reaching digit ends, from the text's start. The
// advance is not the ink: the last digit's right side bearing (ABC's C) may be a blank column or,
// in a bold the system makes up, a column of ink past the advance.
int WidestClockInk(HDC dc) {
  int widest = 0;
  for (wchar_t d = L'0'; d <= L'9'; ++d) {
    const wchar_t clock[] = {d, d, L':', d, d, L':', d, d};
    SIZE size{};
    GetTextExtentPoint32W(dc, clock, 8, &size);
    ABC abc{};
    if (!GetCharABCWidthsW(dc, d, d, &abc)) abc.abcC = 0;  // not a TrueType font
    widest = std::max(widest, static_cast<int>(size.cx) - abc.abcC);
  }
  return widest;
}

// The rows of the cell the digits and the colon ink, from the glyphs' outlines; the whole cell
// where the font has none to give.
InkRows ClockInkRows(HDC dc, int cell_height) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  InkRows ink{cell_height, 0};
  for (const wchar_t c : {L'0', L'1', L'2', L'3', L'4', L'5', L'6', L'7', L'8', L'9', L':'}) {
    GLYPHMETRICS glyph{};
    if (GetGlyphOutlineW(dc, c, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR) {
      return InkRows{0, cell_height};
    }
    const int top = metrics.tmAscent - glyph.gmptGlyphOrigin.y;
    ink.top = std::min(ink.top, top);
    ink.bottom = std::max(ink.bottom, top + static_cast<int>(glyph.gmBlackBoxY));
  }
  return ink.top < ink.bottom ? ink : InkRows{0, cell_height};
}

}  // namespace

HFONT CreateGameTimeFont(int dpi) {
  return CreateGulimFont(ScaleToDpi(kFontHeight, dpi), FW_BOLD);
}

BlinkClock& BlinkClock::Instance() {
  static BlinkClock clock;
  return clock;
}

void BlinkClock::Join(GameTimePane* pane) {
  panes_.push_back(pane);
}

void BlinkClock::Leave(GameTimePane* pane) {
  panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
  OnBlinkingChanged();
}

void BlinkClock::OnBlinkingChanged() {
  const bool any_blinking =
      std::any_of(panes_.begin(), panes_.end(), [](GameTimePane* p) { return p->blinking(); });
  if (!any_blinking) return Stop();
  if (timer_ != 0) return;
  // With the clock asleep there is no phase in progress to join: a fresh one begins, the one the
  // always-running clock would give a pane that starts blinking just as its phase turns.
  blink_phase_ = true;
  timer_ = SetTimer(nullptr, 0, kPhaseMs, &BlinkClock::OnTimer);
}

void BlinkClock::Stop() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  timer_ = 0;
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
    : Widget({std::move(on_press), nullptr}) {
  MakeDrawingTools(dpi, bounds.height);
  // A context of its own: drawn every second, it is not taken from the shared ones and set up
  // afresh each time (under Wine each fresh one selects the system font again).
  RegisterClassOnce(kClassName, CS_OWNDC, nullptr);
  CreateHandle(0, kClassName, L"00:00:00", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
               bounds.width, bounds.height, parent);
  BlinkClock::Instance().Join(this);
}

void GameTimePane::MakeDrawingTools(int dpi, int height) {
  dpi_ = dpi;
  buffer_.KeepFont(nullptr);
  int font_height = ScaleToDpi(kFontHeight, dpi);
  MeasureFont(font_height);
  // A face whose digits stand taller than the interior less a pixel each side is drawn that much
  // smaller, rather than with its ink on the frame.
  const int u = ScaleToDpi(1, dpi);
  const int room = height - 6 * u;
  const int ink_height = ink_rows_.bottom - ink_rows_.top;
  if (ink_height > room && room > 0) {
    font_height = font_height * room / ink_height;
    MeasureFont(font_height);
  }
  frame_colour_ = LightenColour(GetSysColor(COLOR_BTNSHADOW), 30);
}

void GameTimePane::MeasureFont(int font_height) {
  font_.Reset(CreateGulimFont(font_height, FW_BOLD));
  MemoryDC measure;
  SelectionScope font(measure.dc(), font_.get());
  SIZE pp{};
  GetTextExtentPoint32W(measure.dc(), L"Pp", 2, &pp);
  pp_height_ = pp.cy;
  ink_rows_ = ClockInkRows(measure.dc(), pp_height_);
  widest_ink_ = WidestClockInk(measure.dc());
}

void GameTimePane::Place(const Bounds& bounds, int dpi) {
  MakeDrawingTools(dpi, bounds.height);
  SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

GameTimePane::~GameTimePane() {
  blinking_ = false;
  BlinkClock::Instance().Leave(this);
}

RECT GameTimePane::Interior() const {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int u = ScaleToDpi(1, dpi_);
  return RECT{2 * u, 2 * u, client.right - 2 * u, client.bottom - 2 * u};
}

void GameTimePane::RepaintInterior() {
  PaintNow(hwnd(), Interior(), [this](HDC dc, const RECT& area) { Paint(dc, area); });
}

void GameTimePane::SetBlinking(bool on) {
  if (on == blinking_) return;
  blinking_ = on;
  BlinkClock::Instance().OnBlinkingChanged();
  RepaintInterior();
}

void GameTimePane::SetTextColour(COLORREF colour) {
  text_colour_ = colour;
  // While blinking, the new colour waits for the next phase that shows the selected colour.
  if (!blinking_) RepaintInterior();
}

void GameTimePane::OnBlinkPhase() {
  if (blinking_) RepaintInterior();
}

COLORREF GameTimePane::ShownColour() const {
  return blinking_ && BlinkClock::Instance().blink_phase() ? kBlinkColour : text_colour_;
}

void GameTimePane::Paint(HDC target, const RECT& area) {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int w = client.right, h = client.bottom;
  const int u = ScaleToDpi(1, dpi_);
  BufferedAreaPaint buffer(buffer_, target, w, h, area);
  HDC dc = buffer.dc();

  // Outer ring in the parent's face colour, a frame in the lightened shadow colour without its
  // corner dots, and the black interior. Only the part that changed reaches the screen.
  FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
  FillSolid(dc, RECT{2 * u, u, w - 2 * u, 2 * u}, frame_colour_);
  FillSolid(dc, RECT{2 * u, h - 2 * u, w - 2 * u, h - u}, frame_colour_);
  FillSolid(dc, RECT{u, 2 * u, 2 * u, h - 2 * u}, frame_colour_);
  FillSolid(dc, RECT{w - 2 * u, 2 * u, w - u, h - 2 * u}, frame_colour_);
  const RECT interior = Interior();
  FillSolid(dc, interior, RGB(0, 0, 0));

  wchar_t text[32];
  const int length = GetWindowTextW(hwnd(), text, 32);
  buffer_.KeepFont(font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ShownColour());
  // Centred by its cell as designed, or by its ink where a face's digits sit higher or lower in
  // the cell and would touch the frame.
  const int top =
      interior.top + CellTopInBox(interior.bottom - interior.top, pp_height_, ink_rows_, u);
  // The text is set in by its indent, or less where a wide face would otherwise bring the last
  // digit's ink within a pixel of the frame (or under it, clipped); it never moves with the
  // digits shown.
  const int room = interior.right - interior.left - u - widest_ink_;
  const int indent = std::max(0, std::min(ScaleToDpi(kTextIndent, dpi_), room));
  ExtTextOutW(dc, interior.left + indent, top, ETO_CLIPPED, &interior, text,
              static_cast<UINT>(length), nullptr);
}

}  // namespace tavlin
