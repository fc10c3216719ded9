#include "strip/strip_window_win32.h"

#include <commctrl.h>

#include "alarms/quiet_modes.h"
#include "base/scaling.h"
#include "base/wide_text.h"
#include "strip/strip_fit.h"
#include "strip/strip_reach.h"
#include "strip/strip_restore.h"
#include "win32/colours_win32.h"
#include "win32/dpi_win32.h"
#include "win32/monitors_win32.h"
#include "win32/system_library_win32.h"
#include "win32/text_widths_win32.h"
#include "win32/two_way_box_win32.h"

namespace tavlin {

namespace {

constexpr const wchar_t* kClassName = kStripWindowClass;
constexpr wchar_t kTitle[] = L"Velmar+문답족보-Ondrela";
// The strip is created this wide (at 96 DPI) and fitted to its quiz line at once.
constexpr int kDesignWidth = 610;
constexpr int kDesignHeight = 50;
constexpr UINT_PTR kTimer1 = 1;
// Messages of the strip's own.
constexpr UINT kShowReportMessage = WM_APP + 10;
// WM_GETDPISCALEDSIZE, sent from Windows 10 1703 on, before a move to a monitor of another DPI.
constexpr UINT kGetDpiScaledSize = 0x02E4;
constexpr int kButton1Id = 1;
constexpr int kButton2Id = 2;
constexpr int kButton3Id = 3;

// A push button without a place yet: LayOutWidgets gives it one.
HWND MakeButton(HWND parent, int id, const wchar_t* caption) {
  return CreateWindowExW(0, WC_BUTTONW, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                         0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void PlaceButton(HWND button, const Bounds& at, HFONT font) {
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(button, nullptr, at.left, at.top, at.width, at.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(button, nullptr, TRUE);
}

// True when `window` is top-most and no shown window lies above it. Hidden windows above it (a
// tooltip, a closed timetable) cover nothing.
bool TopMostWithNothingAbove(HWND window) {
  if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)) return false;
  for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr;
       above = GetWindow(above, GW_HWNDPREV)) {
    if (IsWindowVisible(above)) return false;
  }
  return true;
}

}  // namespace

StripWindow::StripWindow(StripHost& host) : host_(host), timer1_(kTimer1) {
  RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr, true);
  // No frame and no caption; top-most only through the explicit placements. The primary
  // monitor, where the strip is created and centred, gives the first DPI.
  const int dpi = DpiOfMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  CreateHandle(WS_EX_LAYERED, kClassName, kTitle, WS_POPUP | WS_CLIPCHILDREN, 0, 0,
               ScaleToDpi(kDesignWidth, dpi), ScaleToDpi(kDesignHeight, dpi), nullptr);
}

LRESULT StripWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd(), &client);
      FillSolid(reinterpret_cast<HDC>(wparam), client, kStripKeyColour);
      return 1;
    }
    case WM_SETCURSOR:
      // Over any of the strip's widgets: each one leaves the cursor to the strip.
      WakeHints();
      return WindowBase::HandleMessage(message, wparam, lparam);
    case WM_TIMER:
      if (wparam == kTimer1) host_.OnTimer();
      return 0;
    case kShowReportMessage:
      host_.OnShowReport();
      return 0;
    case kShowStripRequest:
      OnShowStripRequest();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      return 0;
    case WM_MEASUREITEM:
      if (menu_.MeasureMark(reinterpret_cast<MEASUREITEMSTRUCT*>(lparam))) return TRUE;
      return WindowBase::HandleMessage(message, wparam, lparam);
    case WM_DRAWITEM:
      if (menu_.DrawMark(reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
      return WindowBase::HandleMessage(message, wparam, lparam);
    case WM_CONTEXTMENU:
      OnContextMenu(lparam);
      return 0;
    case WM_ACTIVATEAPP:
      // The program lost activation: the strip (and a visible timetable above it) on top again.
      if (!wparam) host_.KeepOnTop();
      return 0;
    case WM_LBUTTONDOWN:
      StartDrag();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiOfDpiChanged(wparam), reinterpret_cast<const RECT*>(lparam));
      return 0;
    case kGetDpiScaledSize:
      *reinterpret_cast<SIZE*>(lparam) = SizeAtDpi(static_cast<int>(wparam));
      return TRUE;
    case WM_DISPLAYCHANGE:
      OnScreenChanged();
      return 0;
    case WM_SETTINGCHANGE:
      // Of the settings, only a new work area matters here.
      if (wparam == SPI_SETWORKAREA) OnScreenChanged();
      return 0;
    case WM_EXITSIZEMOVE:
      OnDragEnded();
      return 0;
    case WM_POWERBROADCAST:
      if (wparam == PBT_APMRESUMEAUTOMATIC || wparam == PBT_APMRESUMESUSPEND) host_.OnResume();
      return TRUE;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      host_.OnMenuLoop(message == WM_ENTERMENULOOP);
      return 0;
    case WM_INITMENUPOPUP:
      // Each time a menu holding "윈도우 시작 시 실행" opens, its check shows the registry as it is
      // now: the player may have changed it in Task Manager meanwhile.
      if (HoldsItem(reinterpret_cast<HMENU>(wparam), kStartWithWindows)) {
        CheckItem(reinterpret_cast<HMENU>(wparam), kStartWithWindows, host_.StartsWithWindows());
      }
      return 0;
    case WM_GETMINMAXINFO: {
      // A long quiz line may make the strip wider than the screen.
      auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
      limits->ptMaxTrackSize.x = 32000;
      limits->ptMaxSize.x = 32000;
      return 0;
    }
    case WM_DESTROY:
      host_.OnClosing();
      timer1_.Stop();
      PostQuitMessage(0);
      return 0;
    default:
      return WindowBase::HandleMessage(message, wparam, lparam);
  }
}

void StripWindow::OnCreate() {
  SetLayeredWindowAttributes(hwnd(), kStripKeyColour, 255, LWA_COLORKEY | LWA_ALPHA);
  AllowShowStripRequest();
  dpi_ = DpiOfWindow(hwnd());
  CreateFonts();
  boxes_ = FitTextBoxes(dpi_, font_.get());
  menu_.SetDpi(dpi_);
  CreateWidgets();
}

void StripWindow::CreateFonts() {
  // The font sizes follow the DPI alone, whatever the strip's width.
  const StripLayout at_dpi = LayOutStrip(dpi_, 0);
  font_.Reset(CreateGulimFont(at_dpi.font_height));
  small_font_.Reset(CreateGulimFont(at_dpi.button2_font_height));
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void StripWindow::AllowShowStripRequest() {
  // Windows Vista has no per-window filter; there an elevated strip stays out of reach.
  using Filter = BOOL WINAPI(HWND, UINT, DWORD, void*);
  static Filter* const allow =
      LoadSystemFunction<Filter>(L"user32.dll", "ChangeWindowMessageFilterEx");
  if (allow != nullptr) allow(hwnd(), kShowStripRequest, MSGFLT_ALLOW, nullptr);
}

StripBoxes StripWindow::FitTextBoxes(int dpi, HFONT strip_font) const {
  const Font pane_font(CreateGameTimeFont(dpi));
  const FontTextWidths pane(pane_font.get()), strip(strip_font);
  return FitStripBoxes(dpi, MeasureWidestStripTexts(pane, strip, host_.time_separator()));
}

void StripWindow::CreateWidgets() {
  const auto drag = [this] { StartDrag(); };
  const auto next = [this] { host_.OnNextQuizLine(); };
  // Every widget is made without a place; LayOutWidgets places them all, here and at a new DPI.
  panel1_ = std::make_unique<RoundedPanel>(
      hwnd(), RoundedPanel::Settings{Bounds{}, dpi_, RoundedPanel::Align::kRight, font_.get(),
                                     kStripKeyColour, drag, nullptr});
  button1_ = MakeButton(panel1_->hwnd(), kButton1Id, L"×");
  button3_ = MakeButton(panel1_->hwnd(), kButton3Id, L"M");
  status_pane1_ = std::make_unique<GameTimePane>(panel1_->hwnd(), Bounds{}, dpi_, drag);

  panel3_ = std::make_unique<RoundedPanel>(
      hwnd(), RoundedPanel::Settings{Bounds{}, dpi_, RoundedPanel::Align::kCentre, font_.get(),
                                     kStripKeyColour, drag, nullptr});

  panel2_ = std::make_unique<RoundedPanel>(
      hwnd(), RoundedPanel::Settings{Bounds{}, dpi_, RoundedPanel::Align::kLeft, font_.get(),
                                     kStripKeyColour, drag, next});
  button2_ = MakeButton(panel2_->hwnd(), kButton2Id, L"N");
  label1_ = std::make_unique<QuizLabel>(panel2_->hwnd(), 0, 0, font_.get(), drag, next);

  // The panels and the pane hand their mouse messages to the hints themselves; only the system's
  // buttons are subclassed by the tooltip.
  hints_.Add(panel1_->hwnd(), L"게임시간", false);
  hints_.Add(button1_, L"창닫기", true);
  hints_.Add(button3_, L"투명하게", true);
  hints_.Add(status_pane1_->hwnd(), L"게임상의 시간", false);
  hints_.Add(panel3_->hwnd(), L"현재시간", false);
  hints_.Add(button2_, L"다른문제", true);
  LayOutWidgets();
}

void StripWindow::LayOutWidgets() {
  RECT client;
  GetClientRect(hwnd(), &client);
  layout_ = LayOutStrip(dpi_, client.right, boxes_);
  const StripLayout& l = layout_;
  panel1_->Place(l.panel1, dpi_, font_.get());
  PlaceButton(button1_, l.button1, font_.get());
  PlaceButton(button3_, l.button3, font_.get());
  status_pane1_->Place(l.status_pane1, dpi_);
  panel3_->Place(l.panel3, dpi_, font_.get());
  panel2_->Place(l.panel2, dpi_, font_.get());
  PlaceButton(button2_, l.button2, small_font_.get());
  label1_->Place(l.label1_left, l.label1_top, font_.get());
  hints_.SetFont(font_.get());
}

void StripWindow::WakeHints() {
  const HWND made = hints_.Wake(hwnd());
  if (made == nullptr) return;
  panel1_->set_hints(made);
  status_pane1_->set_hints(made);
  panel3_->set_hints(made);
}

void StripWindow::Show() {
  // On the remembered monitor the strip is drawn for that monitor's DPI before it goes there, and
  // the system's own idea of the rectangle (WM_DPICHANGED comes for this move too) is not taken.
  const std::optional<int> dpi = RestoredStripDpi(host_.settings(), Monitors());
  if (dpi && *dpi != dpi_) ApplyDpi(*dpi);
  RECT window;
  GetWindowRect(hwnd(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  const std::optional<Rect> restored = RestoredPlace();
  placing_ = true;
  SetWindowPos(hwnd(), nullptr,
               restored ? restored->left : (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               restored ? restored->top : (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
  if (host_.hidden()) return;
  ShowWindow(hwnd(), SW_SHOW);
  host_.OnShown();
}

void StripWindow::OnShowStripRequest() {
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  host_.OnShowStripRequest();
  // Allowed by the second start, which the player has just made: in front of every window.
  SetForegroundWindow(hwnd());
}

void StripWindow::OnCommand(UINT id) {
  switch (id) {
    case kButton1Id:
      return host_.OnClose();
    case kButton2Id:
      return host_.OnNextQuizLine();
    case kButton3Id:
      return OnOpenMenu();
    default:
      return host_.OnMenuCommand(id);
  }
}

void StripWindow::OnOpenMenu() {
  POINT at{};
  GetCursorPos(&at);
  menu_.OpenAt(hwnd(), at);
}

void StripWindow::OpenMenuAt(POINT screen_point) {
  menu_.OpenAt(hwnd(), screen_point);
}

void StripWindow::OnContextMenu(LPARAM screen_point) {
  POINT at{static_cast<short>(LOWORD(screen_point)), static_cast<short>(HIWORD(screen_point))};
  if (at.x == -1 && at.y == -1) GetCursorPos(&at);  // from the keyboard
  menu_.OpenAt(hwnd(), at);
}

void StripWindow::OnSize() {
  // Panel2 is anchored to the right edge: it follows the strip's width.
  if (panel2_ != nullptr) LayOutWidgets();
}

void StripWindow::OnDpiChanged(int dpi, const RECT* suggested) {
  if (dpi <= 0) return;
  if (dpi != dpi_) ApplyDpi(dpi);
  // While tavlin places the strip itself, its own rectangle stands. Otherwise the system's keeps
  // the strip where the user dragged it; its size is the strip's own, fitted to the quiz line in
  // the new font.
  if (placing_) return;
  if (suggested != nullptr) {
    SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  KeepStripWithinReach();
}

void StripWindow::ApplyDpi(int dpi) {
  dpi_ = dpi;
  // The fonts of the old DPI go when every widget has the new ones: a panel keeps its selected.
  const Font old_font = std::move(font_), old_small_font = std::move(small_font_);
  CreateFonts();
  boxes_ = FitTextBoxes(dpi_, font_.get());
  menu_.SetDpi(dpi_);
  LayOutWidgets();
  FitWidthToQuizLine();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

SIZE StripWindow::SizeAtDpi(int dpi) const {
  const Font font(CreateGulimFont(LayOutStrip(dpi, 0).font_height));
  const StripLayout layout = LayOutStrip(dpi, 0, FitTextBoxes(dpi, font.get()));
  const int label = label1_ ? TextSize(font.get(), Utf8ToWide(label1_->text())).cx : 0;
  RECT window{0, 0, std::max(FitWidth(label, dpi), layout.least_client_width),
              layout.client_height};
  AdjustWindowRectForDpi(window, WS_POPUP, WS_EX_LAYERED, dpi);
  return SIZE{window.right - window.left, window.bottom - window.top};
}

void StripWindow::OnScreenChanged() {
  KeepStripWithinReach();
}

void StripWindow::OnDragEnded() {
  KeepStripWithinReach();
  RECT window;
  GetWindowRect(hwnd(), &window);
  host_.OnDragEnded(window.left, window.top, MonitorOf(hwnd()));
}

void StripWindow::KeepStripWithinReach() {
  RECT window;
  GetWindowRect(hwnd(), &window);
  const Rect strip{window.left, window.top, window.right, window.bottom};
  const Rect reach = KeepWithinReach(strip, GripRowAt(dpi_), GrabbableAt(dpi_), MonitorWorkAreas());
  if (reach == strip) return;
  SetWindowPos(hwnd(), nullptr, reach.left, reach.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StripWindow::StartDrag() {
  StartWindowDrag(hwnd());
}

void StripWindow::FitWidthToQuizLine() {
  // A font wider than designed widens the top row of panels, and the strip keeps room for it.
  const int width = std::max(FitWidth(label1_->width(), dpi_), layout_.least_client_width);
  SetWindowPos(hwnd(), nullptr, 0, 0, width, layout_.client_height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<Rect> StripWindow::RestoredPlace() const {
  RECT window;
  GetWindowRect(hwnd(), &window);
  return RestoredStripRect(host_.settings(),
                           Size{window.right - window.left, window.bottom - window.top},
                           GripRowAt(dpi_), GrabbableAt(dpi_), Monitors());
}

// The texts are set only when they change, so a second that changes one of them costs no more.
void StripWindow::ShowRealTime(const std::string& text) {
  real_time_shown_.Set(panel3_->hwnd(), text);
}

void StripWindow::ShowGameTexts(const std::string& pane, const std::string& summary) {
  pane_shown_.Set(status_pane1_->hwnd(), pane);
  summary_shown_.Set(panel1_->hwnd(), summary);
}

void StripWindow::SetBlinking(bool on) {
  status_pane1_->SetBlinking(on);
}

void StripWindow::SetPaneColour(const Rgb& colour) {
  status_pane1_->SetTextColour(RGB(colour.r, colour.g, colour.b));
}

void StripWindow::SetAlpha(uint8_t alpha) {
  // The colour key stays in force at every alpha.
  SetLayeredWindowAttributes(hwnd(), kStripKeyColour, alpha, LWA_COLORKEY | LWA_ALPHA);
}

void StripWindow::CheckMenuRadio(uint32_t command) {
  menu_.CheckRadio(command);
}

void StripWindow::EnableSoundMenu() {
  menu_.EnableSound();
}

void StripWindow::SetMenuItem(uint32_t command, const std::string& text, bool checked) {
  menu_.SetItem(command, Utf8ToWide(text), checked);
}

void StripWindow::ShowQuizPanel(bool shown) {
  ShowWindow(panel2_->hwnd(), shown ? SW_SHOWNA : SW_HIDE);
}

void StripWindow::SetQuizLine(const std::string& text) {
  label1_->SetText(text);
  FitWidthToQuizLine();
}

void StripWindow::FocusNextQuizButton() {
  SetFocus(button2_);
}

bool StripWindow::IsOnTop() const {
  return TopMostWithNothingAbove(hwnd());
}

void StripWindow::PlaceOnTop() {
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void StripWindow::PlaceBelow(HWND__* window) {
  // Placed after a top-most window, the strip is top-most too.
  SetWindowPos(hwnd(), window, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void StripWindow::SetTickInterval(int ms) {
  timer1_.Start(hwnd(), static_cast<UINT>(ms));
}

void StripWindow::ScheduleReport() {
  PostMessageW(hwnd(), kShowReportMessage, 0, 0);
}

void StripWindow::ShowReportBox(const std::string& text) {
  // The box runs its own message loop: the strip's timer keeps ticking behind it.
  MessageBoxW(hwnd(), Utf8ToWide(text).c_str(), kTitle, MB_OK | MB_ICONWARNING);
}

bool StripWindow::AskShowHeldBeforeEnding(const std::string& text) {
  return AskTwoWays(hwnd(), Utf8ToWide(text), kTitle, Utf8ToWide(kShowHeldNowButton),
                    Utf8ToWide(kEndAnywayButton));
}

void StripWindow::SetStripShown(bool shown) {
  if (!shown) {
    ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  // Where it stood, unless the screen has changed under the hidden strip meanwhile.
  KeepStripWithinReach();
  ShowWindow(hwnd(), SW_SHOW);
}

void StripWindow::ShowHideItem(bool hidden, bool enabled) {
  menu_.ShowHideItem(hidden, enabled);
}

void StripWindow::Close() {
  // Closing the strip ends the message loop and the program.
  PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace tavlin
