#include "strip/strip_window_win32.h"

#include <commctrl.h>

#include "base/scaling.h"
#include "base/text.h"
#include "base/wide_text.h"
#include "clock/schedule.h"
#include "strip/strip_fit.h"
#include "strip/strip_reach.h"
#include "strip/strip_restore.h"
#include "strip/top_most_order.h"
#include "win32/colours_win32.h"
#include "win32/dpi_win32.h"
#include "win32/monitors_win32.h"
#include "win32/system_library_win32.h"
#include "win32/text_widths_win32.h"

namespace tavlin {

namespace {

constexpr const wchar_t* kClassName = kStripWindowClass;
constexpr wchar_t kTitle[] = L"Velmar+문답족보-Ondrela";
// The strip is created this wide (at 96 DPI) and fitted to its quiz line at once.
constexpr int kDesignWidth = 610;
constexpr int kDesignHeight = 50;
constexpr UINT_PTR kTimer1 = 1;
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

// The user's time separator, as the real time is shown everywhere else on the desktop.
std::string TimeSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8) <= 1) return ":";
  return WideToUtf8(separator);
}

// True when `window` is top-most and no shown window lies above it. Hidden windows above it (a
// tooltip, a closed timetable) cover nothing.
bool IsOnTop(HWND window) {
  if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)) return false;
  for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr;
       above = GetWindow(above, GW_HWNDPREV)) {
    if (IsWindowVisible(above)) return false;
  }
  return true;
}

uint64_t QuizSeed() {
  LARGE_INTEGER counter{};
  if (QueryPerformanceCounter(&counter)) return static_cast<uint64_t>(counter.QuadPart);
  return GetTickCount64();
}

}  // namespace

StripWindow::StripWindow(const FileSystem& files) : files_(files), quiz_(files), tick_(*this) {
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
      FormCreate();
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
      if (wparam == kTimer1) Timer1Timer();
      return 0;
    case kShowReportMessage:
      OnShowReport();
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
      if (!wparam) AppDeactivate();
      return 0;
    case WM_LBUTTONDOWN:
      StartDrag();
      return 0;
    case WM_SIZE:
      OnSize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiOfDpiChanged(wparam), reinterpret_cast<const RECT*>(lparam));
      return 0;
    case kGetDpiScaledSize:
      *reinterpret_cast<SIZE*>(lparam) = SizeAtDpi(static_cast<int>(wparam));
      return TRUE;
    case WM_DISPLAYCHANGE:
      OnDisplayChange();
      return 0;
    case WM_SETTINGCHANGE:
      OnSettingChange(static_cast<UINT>(wparam));
      return 0;
    case WM_EXITSIZEMOVE:
      OnDragEnded();
      return 0;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      OnMenuLoop(message == WM_ENTERMENULOOP);
      return 0;
    case WM_GETMINMAXINFO: {
      // A long quiz line may make the strip wider than the screen.
      auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
      limits->ptMaxTrackSize.x = 32000;
      limits->ptMaxSize.x = 32000;
      return 0;
    }
    case WM_DESTROY:
      SaveSettings();
      timer1_.Stop();
      PostQuitMessage(0);
      return 0;
    default:
      return WindowBase::HandleMessage(message, wparam, lparam);
  }
}

void StripWindow::FormCreate() {
  SetLayeredWindowAttributes(hwnd(), kStripKeyColour, 255, LWA_COLORKEY | LWA_ALPHA);
  AllowShowStripRequest();
  dpi_ = DpiOfWindow(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  CreateFonts();
  boxes_ = FitTextBoxes(dpi_, font_.get());
  layout_ = LayOutStrip(dpi_, client.right, boxes_);
  menu_.SetDpi(dpi_);
  CreateWidgets();
  notifier1_ = std::make_unique<Win32PopupNotifier>(hwnd());
  ConfigureSystemNotifier(notifier1_->Notifier());

  BuildSchedule();
  // Deactivation arrives as WM_ACTIVATEAPP (AppDeactivate).
  Button2Click();
  tick_.Reset();
  tick_.set_time_separator(TimeSeparator());
  sound_menu_enabled_ = SoundMenuEnabledAtStart(files_);
  if (sound_menu_enabled_) menu_.EnableSound();
  RestoreChoices();
  // Timer1 fires once a second, each time just after the wall clock's second has begun.
  SYSTEMTIME now;
  GetLocalTime(&now);
  timer1_.Start(hwnd(), kTimer1, static_cast<UINT>(tick_timing_.Start(now.wMilliseconds)));
}

void StripWindow::CreateFonts() {
  const StripLayout designed = LayOutStrip(dpi_, 0);
  font_.Reset(CreateGulimFont(designed.font_height));
  small_font_.Reset(CreateGulimFont(designed.button2_font_height));
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void StripWindow::AllowShowStripRequest() {
  // Windows Vista has no per-window filter; there an elevated strip stays out of reach.
  using Filter = BOOL WINAPI(HWND, UINT, DWORD, void*);
  static Filter* const allow =
      LoadSystemFunction<Filter>(L"user32.dll", "ChangeWindowMessageFilterEx");
  if (allow != nullptr) allow(hwnd(), kShowStripRequest, MSGFLT_ALLOW, nullptr);
}

StripBoxes StripWindow::FitTextBoxes(int dpi, HFONT strip_font) {
  const Font pane_font(CreateGameTimeFont(dpi));
  const FontTextWidths pane(pane_font.get()), strip(strip_font);
  return FitStripBoxes(dpi, MeasureWidestStripTexts(pane, strip, TimeSeparator()));
}

void StripWindow::CreateWidgets() {
  const auto drag = [this] { StartDrag(); };
  const auto next = [this] { Button2Click(); };
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
  if (const auto monitor = RememberedMonitor(settings_, Monitors()); monitor && settings_.left) {
    if (monitor->dpi != dpi_) ApplyDpi(monitor->dpi);
  }
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
  ShowWindow(hwnd(), SW_SHOW);
  FormShow();
}

void StripWindow::FormShow() {
  KeepOnTop();
  ModeChange();
  if (quiz_.quiz_mode()) SetFocus(button2_);
}

void StripWindow::Timer1Timer() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const ClockReading reading{now.wHour, now.wMinute, now.wSecond,
                             WeekdayFromSundayZero(now.wDayOfWeek)};
  const TickTiming::Step step = tick_timing_.OnTimer(reading, now.wMilliseconds);
  if (step.set_ms != 0) timer1_.Start(hwnd(), static_cast<UINT>(step.set_ms));
  if (!step.tick) return;
  // A failing duty ends only itself; the tick's other duties and the timer keep running.
  for (const std::string& report : tick_failures_.Run(tick_, reading)) ShowReport(report);
}

void StripWindow::ShowReport(const std::string& text) {
  if (reports_.Add(text)) PostMessageW(hwnd(), kShowReportMessage, 0, 0);
}

void StripWindow::OnShowReport() {
  // The box's own message loop dispatches this message too: while a box is open there is no next
  // report, and the one that waits is asked for again when the box has closed.
  const std::optional<std::string> text = reports_.Next();
  if (!text) return;
  {
    struct BoxClosed {
      ReportQueue& reports;
      ~BoxClosed() { reports.Closed(); }
    } closed{reports_};
    // The box runs its own message loop: the strip's timer keeps ticking behind it.
    MessageBoxW(hwnd(), Utf8ToWide(*text).c_str(), kTitle, MB_OK | MB_ICONWARNING);
  }
  if (reports_.Ready()) PostMessageW(hwnd(), kShowReportMessage, 0, 0);
}

void StripWindow::OnShowStripRequest() {
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  KeepOnTop();
  // Allowed by the second start, which the player has just made: in front of every window.
  SetForegroundWindow(hwnd());
}

void StripWindow::OnCommand(UINT id) {
  if (AlphaOfCommand(id)) {
    TransparencyItemClick(id);
    settings_.alpha_item = id;
    return SaveSettings();
  }
  if (ColourOfCommand(id)) {
    ColourItemClick(id);
    settings_.colour_item = id;
    return SaveSettings();
  }
  switch (id) {
    case kButton1Id:
    case kN5Exit:
      return Button1Click();
    case kButton2Id:
    case kN7NextQuiz:
      return Button2Click();
    case kButton3Id:
      return Button3Click();
    case kN9SoundOn:
    case kN10SoundOff:
      SoundItemClick(id);
      settings_.sound_on = id == kN9SoundOn;
      return SaveSettings();
    case kN15AlarmCheck:
      return N15Click();
    case kN6Timetable:
      return N6Click();
    case kN3QuizMode:
      N3Click();
      settings_.quiz_panel = quiz_.panel_visible();
      return SaveSettings();
    default:
      return;
  }
}

void StripWindow::Button1Click() {
  // Closing the strip ends the message loop and the program; the settings file, when there is
  // one, is written as the window goes.
  PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

// PickQuizLine into an empty text, the result into Label1, then FitWidth.
void StripWindow::Button2Click() {
  label1_->SetText(quiz_.Pick(QuizSeed()));
  FitWidth();
  ShowQuizPanelAsModelSays();  // a pick without a file has hidden the panel
}

void StripWindow::Button3Click() {
  POINT at{};
  GetCursorPos(&at);
  menu_.OpenAt(hwnd(), at);
}

void StripWindow::TransparencyItemClick(UINT item) {
  // The colour key stays in force at every alpha.
  SetLayeredWindowAttributes(hwnd(), kStripKeyColour, *AlphaOfCommand(item),
                             LWA_COLORKEY | LWA_ALPHA);
  menu_.CheckRadio(item);
}

void StripWindow::ColourItemClick(UINT item) {
  const PaneColour colour = *ColourOfCommand(item);
  status_pane1_->SetTextColour(RGB(colour.r, colour.g, colour.b));
  menu_.CheckRadio(item);
}

void StripWindow::SoundItemClick(UINT item) {
  menu_.CheckRadio(item);
}

void StripWindow::N15Click() {
  tick_.RequestAlarmReload();
}

void StripWindow::N6Click() {
  if (timetable_ != nullptr) timetable_->ShowFromMenu();
}

void StripWindow::N3Click() {
  quiz_.SwitchMode();
  ShowQuizPanelAsModelSays();
}

void StripWindow::AppDeactivate() {
  // A visible timetable is placed top-most too, above the strip.
  KeepOnTop();
}

void StripWindow::OnContextMenu(LPARAM screen_point) {
  POINT at{static_cast<short>(LOWORD(screen_point)), static_cast<short>(HIWORD(screen_point))};
  if (at.x == -1 && at.y == -1) GetCursorPos(&at);  // from the keyboard
  menu_.OpenAt(hwnd(), at);
}

void StripWindow::OnSize(int width, int) {
  if (panel2_ == nullptr) return;
  // Panel2 is anchored to the right edge: it follows the strip's width.
  layout_ = LayOutStrip(dpi_, width, boxes_);
  const Bounds& b = layout_.panel2;
  SetWindowPos(panel2_->hwnd(), nullptr, b.left, b.top, b.width, b.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
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
  RECT client;
  GetClientRect(hwnd(), &client);
  // The fonts of the old DPI go when every widget has the new ones: a panel keeps its selected.
  const Font old_font = std::move(font_), old_small_font = std::move(small_font_);
  CreateFonts();
  boxes_ = FitTextBoxes(dpi_, font_.get());
  layout_ = LayOutStrip(dpi_, client.right, boxes_);
  menu_.SetDpi(dpi_);
  LayOutWidgets();
  FitWidth();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

SIZE StripWindow::SizeAtDpi(int dpi) const {
  const Font font(CreateGulimFont(LayOutStrip(dpi, 0).font_height));
  const StripLayout layout = LayOutStrip(dpi, 0, FitTextBoxes(dpi, font.get()));
  const int label = label1_ ? TextSize(font.get(), Utf8ToWide(label1_->text())).cx : 0;
  RECT window{0, 0, std::max(::tavlin::FitWidth(label, dpi), layout.least_client_width),
              layout.client_height};
  AdjustWindowRectForDpi(window, WS_POPUP, WS_EX_LAYERED, dpi);
  return SIZE{window.right - window.left, window.bottom - window.top};
}

void StripWindow::OnDisplayChange() {
  KeepStripWithinReach();
}

void StripWindow::OnSettingChange(UINT setting) {
  if (setting == SPI_SETWORKAREA) KeepStripWithinReach();
}

void StripWindow::OnDragEnded() {
  KeepStripWithinReach();
  RememberPlace();
}

void StripWindow::OnMenuLoop(bool open) {
  menu_open_ = open;
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

void StripWindow::ModeChange() {
  quiz_.ModeChange();
  ShowQuizPanelAsModelSays();
}

void StripWindow::FitWidth() {
  // A font wider than designed widens the top row of panels, and the strip keeps room for it.
  const int width =
      std::max(::tavlin::FitWidth(label1_->width(), dpi_), layout_.least_client_width);
  SetWindowPos(hwnd(), nullptr, 0, 0, width, layout_.client_height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StripWindow::ShowQuizPanelAsModelSays() {
  ShowWindow(panel2_->hwnd(), quiz_.panel_visible() ? SW_SHOWNA : SW_HIDE);
}

void StripWindow::RestoreChoices() {
  settings_ = settings_file_.Load();
  if (settings_.alpha_item) TransparencyItemClick(*settings_.alpha_item);
  if (settings_.colour_item) ColourItemClick(*settings_.colour_item);
  if (settings_.sound_on && sound_menu_enabled_) {
    SoundItemClick(*settings_.sound_on ? kN9SoundOn : kN10SoundOff);
  }
  // Without a quiz file there is no panel to show, whatever the file says.
  if (settings_.quiz_panel == false && quiz_.quiz_mode()) quiz_.SwitchMode();
}

std::optional<Rect> StripWindow::RestoredPlace() const {
  RECT window;
  GetWindowRect(hwnd(), &window);
  return RestoredStripRect(settings_, Size{window.right - window.left, window.bottom - window.top},
                           GripRowAt(dpi_), GrabbableAt(dpi_), Monitors());
}

void StripWindow::RememberPlace() {
  RECT window;
  GetWindowRect(hwnd(), &window);
  const MonitorPlace monitor = MonitorOf(hwnd());
  settings_.left = window.left;
  settings_.top = window.top;
  settings_.monitor = monitor.device;
  settings_.monitor_area = monitor.area;
  SaveSettings();
}

void StripWindow::SaveSettings() {
  if (auto report = settings_file_.Save(settings_)) ShowReport(*report);
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

void StripWindow::LoadAlarmList() {
  if (alarms_ != nullptr) alarms_->LoadAlarmList();
}

void StripWindow::CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, int weekday) {
  if (alarms_ != nullptr) alarms_->CheckAlarms(real_hhmm, game_hhmm, weekday, menu_.SoundOn());
}

void StripWindow::KeepOnTop() {
  const bool timetable_visible = timetable_ != nullptr && timetable_->Visible();
  const bool menu_open = menu_open_ || (timetable_ != nullptr && timetable_->MenuOpen());
  const TopMostSteps steps = KeepOnTopSteps(menu_open, timetable_visible, IsOnTop(hwnd()));
  if (steps.raise_timetable) timetable_->KeepOnTop();
  constexpr UINT kKeepPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
  switch (steps.strip) {
    case StripPlace::kTop:
      SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
      break;
    case StripPlace::kBelowTimetable:
      // Placed after a top-most window, the strip is top-most too.
      SetWindowPos(hwnd(), timetable_->window(), 0, 0, 0, 0, kKeepPlace);
      break;
    case StripPlace::kStays:
      break;
  }
}

}  // namespace tavlin
