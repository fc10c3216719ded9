#include "strip/strip_host.h"

#include <utility>

#include "alarms/quiet_modes.h"
#include "clock/schedule.h"
#include "strip/strip_menu_items.h"
#include "strip/top_most_order.h"

namespace tavlin {

StripHost::StripHost(Services services)
    : services_(std::move(services)),
      quiz_(services_.files, services_.program_directory),
      tick_(*this) {}

void StripHost::Start(StripView& view, AlarmLink* alarms, TimetableLink* timetable,
                      QuietGate* quiet) {
  view_ = &view;
  alarms_ = alarms;
  timetable_ = timetable;
  quiet_ = quiet;
  // 1. The schedule every tick reads.
  BuildSchedule();
  // 2. The first quiz line into an empty label and the width fitted to it; without a quiz file
  //    quiz mode goes off and the panel hides.
  OnNextQuizLine();
  // 3. The tick from its start: last hours 0, the alarm list loaded by the first tick.
  tick_.Reset();
  tick_.set_time_separator(services_.time_separator);
  // 4. The sound submenu, with "켜기" checked, only when the sound file and the alarm list are
  //    both there.
  sound_menu_enabled_ = SoundMenuEnabledAtStart(services_.files, services_.program_directory);
  if (sound_menu_enabled_) {
    view_->EnableSoundMenu();
    ApplySound(kN9SoundOn);
  }
  // 5. The choices the settings file remembers, over the designed ones of steps 2 and 4.
  RestoreChoices();
  // 6. The clock timer, aimed just past the start of the next second.
  view_->SetTickInterval(tick_timing_.Start(services_.read_clock().millisecond));
  // Reports that came before the view did.
  if (reports_.Ready()) view_->ScheduleReport();
}

void StripHost::OnShown() {
  KeepOnTop();
  ModeChange();
  if (quiz_.quiz_mode()) view_->FocusNextQuizButton();
}

void StripHost::OnTimer() {
  const WallClockReading now = services_.read_clock();
  const TickTiming::Step step = tick_timing_.OnTimer(now.reading, now.millisecond);
  if (step.set_ms != 0) view_->SetTickInterval(step.set_ms);
  if (!step.tick) return;
  TickQuiet(WallSecond(now.reading));
  // A failing duty ends only itself; the tick's other duties and the timer keep running.
  for (const std::string& report : tick_failures_.Run(tick_, now.reading)) ShowReport(report);
}

void StripHost::KeepOnTop() {
  // A hidden strip has no place among the shown windows.
  if (hidden_) return;
  const bool timetable_visible = timetable_ != nullptr && timetable_->Visible();
  const bool menu_open = menu_open_ || (timetable_ != nullptr && timetable_->MenuOpen());
  const TopMostSteps steps = KeepOnTopSteps(menu_open, timetable_visible, view_->IsOnTop());
  if (steps.raise_timetable) timetable_->KeepOnTop();
  switch (steps.strip) {
    case StripPlace::kTop:
      view_->PlaceOnTop();
      break;
    case StripPlace::kBelowTimetable:
      view_->PlaceBelow(timetable_->window());
      break;
    case StripPlace::kStays:
      break;
  }
}

void StripHost::OnDragEnded(int left, int top, const MonitorPlace& monitor) {
  settings_.left = left;
  settings_.top = top;
  settings_.monitor = monitor.device;
  settings_.monitor_area = monitor.area;
  SaveSettings();
}

void StripHost::OnClosing() {
  SaveSettings();
}

void StripHost::OnNotifyIconPresence(bool present) {
  icon_present_ = present;
  if (view_ == nullptr) return;  // Start names the item
  if (!present && hidden_) return ApplyHidden(false);
  view_->ShowHideItem(hidden_, icon_present_);
}

void StripHost::OnShowStripRequest() {
  if (hidden_) return OnHideStrip();
  KeepOnTop();
}

void StripHost::OnMenuCommand(uint32_t command) {
  if (AlphaOfCommand(command)) return OnChooseTransparency(command);
  if (ColourOfCommand(command)) return OnChooseColour(command);
  switch (command) {
    case kN9SoundOn:
    case kN10SoundOff:
      return OnChooseSound(command);
    case kN15AlarmCheck:
      return OnAlarmCheck();
    case kN6Timetable:
      return OnShowTimetable();
    case kN3QuizMode:
      return OnSwitchQuizMode();
    case kN7NextQuiz:
      return OnNextQuizLine();
    case kN5Exit:
      return OnClose();
    case kStartWithWindows:
      return OnToggleStartWithWindows();
    case kEditAlarms:
      return OnEditAlarms();
    case kMuteForAnHour:
      return OnSwitchMute();
    case kHoldForAnHour:
      return OnSwitchHold();
    case kHoldWhileFullScreen:
      return OnSwitchFullScreenHold();
    case kHideStrip:
      return OnHideStrip();
    case kPopupsOnPrimary:
    case kPopupsOnStripMonitor:
      return OnChoosePopupMonitor(command);
    default:
      return;
  }
}

void StripHost::OnClose() {
  // The boxes below run their own message loops, in which another close must not ask again.
  if (asking_before_ending_) return;
  asking_before_ending_ = true;
  const bool may_end = !services_.may_end || services_.may_end();
  asking_before_ending_ = false;
  if (!may_end) return;
  // Held notices live in memory only: the player may see them instead of losing them.
  if (quiet_ != nullptr && quiet_->held() > 0) {
    asking_before_ending_ = true;
    const bool show_now = view_->AskShowHeldBeforeEnding(HeldOnEndingText(quiet_->held()));
    asking_before_ending_ = false;
    if (show_now) return quiet_->ReleaseNow();
  }
  // The settings are written as the window goes (OnClosing).
  view_->Close();
}

void StripHost::OnNextQuizLine() {
  view_->SetQuizLine(quiz_.Pick(services_.quiz_seed()));
  view_->ShowQuizPanel(quiz_.panel_visible());  // a pick without a file has hidden the panel
}

void StripHost::OnAlarmCheck() {
  tick_.RequestAlarmReload();
}

void StripHost::OnShowTimetable() {
  if (timetable_ != nullptr) timetable_->ShowFromMenu();
}

void StripHost::OnSwitchQuizMode() {
  quiz_.SwitchMode();
  view_->ShowQuizPanel(quiz_.panel_visible());
  settings_.quiz_panel = quiz_.panel_visible();
  SaveSettings();
}

void StripHost::OnChooseTransparency(uint32_t item) {
  ApplyTransparency(item);
  settings_.alpha_item = item;
  SaveSettings();
}

void StripHost::OnChooseColour(uint32_t item) {
  ApplyColour(item);
  settings_.colour_item = item;
  SaveSettings();
}

void StripHost::OnChooseSound(uint32_t item) {
  ApplySound(item);
  settings_.sound_on = sound_on_;
  SaveSettings();
}

bool StripHost::StartsWithWindows() const {
  if (services_.startup == nullptr) return false;
  return tavlin::StartsWithWindows(services_.startup->Read(), services_.program_path);
}

void StripHost::OnToggleStartWithWindows() {
  if (services_.startup == nullptr) return;
  // Decided on the registry as it is now, not as it was when the menu opened.
  const StartupChange change =
      ToggleStartWithWindows(services_.startup->Read(), services_.program_path);
  if (auto reason = ApplyStartupChange(*services_.startup, change)) {
    ShowReport("윈도우 시작 시 실행을 바꿀 수 없습니다.\n" + *reason);
  }
}

void StripHost::OnEditAlarms() {
  if (services_.open_alarm_editor) services_.open_alarm_editor();
}

void StripHost::OnSwitchMute() {
  if (quiet_ == nullptr) return;
  const int64_t now = Now();
  quiet_->SwitchMute(now);
  ShowQuietItems(now);
}

void StripHost::OnSwitchHold() {
  if (quiet_ == nullptr) return;
  const int64_t now = Now();
  quiet_->SwitchHold(now);
  ShowQuietItems(now);
}

void StripHost::OnSwitchFullScreenHold() {
  ApplyFullScreenHold(!hold_full_screen_);
  settings_.hold_full_screen = hold_full_screen_;
  SaveSettings();
}

int64_t StripHost::Now() const {
  return WallSecond(services_.read_clock().reading);
}

void StripHost::TickQuiet(int64_t now) {
  if (quiet_ == nullptr) return;
  const bool full_screen =
      hold_full_screen_ && services_.program_fills_screen && services_.program_fills_screen();
  quiet_->Tick(now, full_screen);
  if (quiet_shown_ != std::pair{quiet_->muted(), quiet_->holding_for_hour()}) ShowQuietItems(now);
}

void StripHost::ShowQuietItems(int64_t now) {
  quiet_shown_ = {quiet_->muted(), quiet_->holding_for_hour()};
  view_->SetMenuItem(kMuteForAnHour, MuteMenuText(quiet_->mute(), now), quiet_shown_.first);
  view_->SetMenuItem(kHoldForAnHour, kHoldMenuText, quiet_shown_.second);
}

void StripHost::OnHideStrip() {
  // Without the icon there would be no way back.
  if (!hidden_ && !icon_present_) return;
  ApplyHidden(!hidden_);
  settings_.strip_hidden = hidden_;
  SaveSettings();
}

void StripHost::OnChoosePopupMonitor(uint32_t item) {
  ApplyPopupMonitor(item);
  settings_.popup_monitor_item = item;
  SaveSettings();
}

void StripHost::ApplyHidden(bool hidden) {
  hidden_ = hidden;
  view_->SetStripShown(!hidden);
  view_->ShowHideItem(hidden_, icon_present_);
  if (!hidden) OnShown();
}

void StripHost::ApplyPopupMonitor(uint32_t item) {
  if (item != kPopupsOnPrimary && item != kPopupsOnStripMonitor) return;
  view_->CheckMenuRadio(item);
  if (services_.set_popup_monitor) {
    services_.set_popup_monitor(item == kPopupsOnStripMonitor ? TDefaultMonitor::dmMainForm
                                                              : TDefaultMonitor::dmDesktop);
  }
}

void StripHost::ApplyTransparency(uint32_t item) {
  const std::optional<uint8_t> alpha = AlphaOfCommand(item);
  if (!alpha) return;
  view_->SetAlpha(*alpha);
  view_->CheckMenuRadio(item);
}

void StripHost::ApplyColour(uint32_t item) {
  const std::optional<Rgb> colour = ColourOfCommand(item);
  if (!colour) return;
  view_->SetPaneColour(*colour);
  view_->CheckMenuRadio(item);
}

void StripHost::ApplySound(uint32_t item) {
  if (item != kN9SoundOn && item != kN10SoundOff) return;
  sound_on_ = item == kN9SoundOn;
  view_->CheckMenuRadio(item);
}

void StripHost::ApplyFullScreenHold(bool on) {
  hold_full_screen_ = on;
  view_->SetMenuItem(kHoldWhileFullScreen, kHoldFullScreenMenuText, on);
}

void StripHost::RestoreChoices() {
  settings_ = services_.settings.Load();
  if (settings_.alpha_item) ApplyTransparency(*settings_.alpha_item);
  if (settings_.colour_item) ApplyColour(*settings_.colour_item);
  // While the sound menu is disabled the sound stays off, whatever the file says.
  if (settings_.sound_on && sound_menu_enabled_) {
    ApplySound(*settings_.sound_on ? kN9SoundOn : kN10SoundOff);
  }
  if (settings_.hold_full_screen == true) ApplyFullScreenHold(true);
  // Without a quiz file there is no panel to show, whatever the file says.
  if (settings_.quiz_panel == false && quiz_.quiz_mode()) quiz_.SwitchMode();
  if (settings_.popup_monitor_item) ApplyPopupMonitor(*settings_.popup_monitor_item);
  // The strip starts hidden only when the icon is there to bring it back; the window shows it
  // otherwise. The hide item is greyed as made, until the icon is known to be there.
  hidden_ = settings_.strip_hidden == true && icon_present_;
  if (icon_present_) view_->ShowHideItem(hidden_, true);
}

void StripHost::ModeChange() {
  quiz_.ModeChange();
  view_->ShowQuizPanel(quiz_.panel_visible());
}

void StripHost::SaveSettings() {
  if (auto report = services_.settings.Save(settings_)) ShowReport(*report);
}

void StripHost::LoadAlarmList() {
  if (alarms_ != nullptr) alarms_->LoadAlarmList();
}

void StripHost::CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, const ClockReading& now) {
  if (alarms_ != nullptr) alarms_->CheckAlarms(real_hhmm, game_hhmm, now, sound_on_);
}

void StripHost::ShowReport(const std::string& text) {
  if (reports_.Add(text) && view_ != nullptr) view_->ScheduleReport();
}

void StripHost::OnShowReport() {
  // The box's own message loop dispatches the view's scheduled reports too: while a box is open
  // there is no next report, and the one that waits is asked for again when the box has closed.
  const std::optional<std::string> text = reports_.Next();
  if (!text) return;
  {
    struct BoxClosed {
      ReportQueue& reports;
      ~BoxClosed() { reports.Closed(); }
    } closed{reports_};
    view_->ShowReportBox(*text);
  }
  if (reports_.Ready()) view_->ScheduleReport();
}

}  // namespace tavlin
