// The strip's logic without its window: the clock tick's duties, the menu commands turned into
// choices and saved settings, the remembered choices restored at start, the reports shown one at
// a time, the tick's timing and failure reports, and the top-most placements. It reaches the
// window through StripView, the settings file through StripSettingsStore, and the alarms and the
// timetable through their links.
//
// A new menu command is one case in OnMenuCommand and one On... method; a new remembered choice
// is one field of StripSettings, written where its command is handled and applied in
// RestoreChoices.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "alarms/alarm_link.h"
#include "alarms/quiet_gate.h"
#include "base/file_system.h"
#include "base/geometry.h"
#include "clock/clock_tick.h"
#include "clock/tick_timing.h"
#include "popup/popup_types.h"
#include "quiz/quiz_line.h"
#include "strip/report_queue.h"
#include "strip/start_with_windows.h"
#include "strip/strip_settings.h"
#include "strip/strip_view.h"
#include "timetable/timetable_link.h"

namespace tavlin {

/// One reading of the wall clock and how far into its second it was taken.
struct WallClockReading {
  ClockReading reading;
  int millisecond = 0;  ///< 0..999
};

/// The settings file as the host uses it: StripSettingsFile on the real disk, a fake in tests.
class StripSettingsStore {
 public:
  virtual ~StripSettingsStore() = default;
  /// The remembered settings; all absent when nothing is remembered.
  virtual StripSettings Load() const = 0;
  /// Writes `settings`; the text to show the player when the write failed and is to be told.
  virtual std::optional<std::string> Save(const StripSettings& settings) = 0;
};

class StripHost : private StripDuties {
 public:
  /// What the program entry hands the host.
  struct Services {
    const FileSystem& files;       ///< where the quiz and sound files are looked for
    StripSettingsStore& settings;  ///< the settings file
    std::function<WallClockReading()> read_clock;  ///< read once per timer message
    std::function<uint64_t()> quiz_seed;           ///< a fresh seed for each quiz pick
    std::string time_separator = ":";              ///< of the real time shown
    /// The program's folder (ending in its separator): the quiz and sound files are looked for
    /// there when the working directory does not hold them. Empty: the working directory only.
    std::string program_directory;
    /// The Run list, and the full path of this tavlin.exe that it names; null: no such item.
    StartupRegistry* startup = nullptr;
    std::string program_path;
    std::function<void()> open_alarm_editor;  ///< opens the alarm editor (or none)
    /// Whether a program fills the popups' screen now (read once a tick, and only while
    /// "전체 화면일 때 모아 두기(&F)" is checked); none: never.
    std::function<bool()> program_fills_screen = {};
    /// Where the popups go from now on (dmDesktop: the primary monitor; dmMainForm: the strip's).
    std::function<void(TDefaultMonitor)> set_popup_monitor = nullptr;
    /// Whether tavlin may end now; false when the player keeps it running (the alarm editor asks
    /// about its unsaved changes). None: always.
    std::function<bool()> may_end = nullptr;
  };

  explicit StripHost(Services services);

  /// The strip's creation steps, in their order, once the window and its widgets exist (hidden).
  /// `alarms`, `timetable` and `quiet` (the gate the alarms announce through) may be null (none).
  void Start(StripView& view, AlarmLink* alarms, TimetableLink* timetable,
             QuietGate* quiet = nullptr);
  /// The strip has been shown: on top, the quiz panel as quiz mode says, the focus on Button2.
  void OnShown();
  /// A message of the clock timer: reads the clock once and runs the tick when it is due.
  void OnTimer();
  /// The strip (and a visible timetable above it) back on top, as KeepOnTopSteps says.
  void KeepOnTop() override;
  /// The strip's popup menu opened (true) or closed.
  void OnMenuLoop(bool open) { menu_open_ = open; }
  /// The system woke from a sleep: the alarms look at the time the sleep kept from them.
  void OnResume() {
    if (alarms_ != nullptr) alarms_->NoteResume();
  }
  /// The player has dragged the strip to `left`, `top` on `monitor`: the place is remembered.
  void OnDragEnded(int left, int top, const MonitorPlace& monitor);
  /// The strip is going: the settings file gets the choices of this run.
  void OnClosing();
  /// Whether the notification-area icon is there now. Without it the strip cannot be hidden (the
  /// item is greyed) and a hidden strip comes back: the player is never left without a way back.
  void OnNotifyIconPresence(bool present);
  /// True while the strip is put away; from Start on when the settings file remembers it hidden
  /// and the icon is there.
  bool hidden() const { return hidden_; }
  /// The player looks for the strip (a second start, a left click on the icon): a hidden strip is
  /// shown, and the strip comes on top.
  void OnShowStripRequest();

  // Commands.
  /// A menu item's command id; ids that are not the strip's menu items do nothing.
  void OnMenuCommand(uint32_t command);
  /// "×" and "문답공부시계 종료"; while notices are held it asks first whether to show them
  /// instead.
  void OnClose();
  void OnNextQuizLine();    ///< "N", "다른문제보기", a double-click on the quiz panel
  void OnAlarmCheck();      ///< "알림체크": the next tick reloads the alarm list and checks it
  void OnShowTimetable();   ///< "게임시진->현실시간표"
  void OnSwitchQuizMode();  ///< "시계모드/문답+"
  void OnChooseTransparency(uint32_t item);  ///< "불투명" .. "60%"
  void OnChooseColour(uint32_t item);        ///< "White" .. "Fuchsia"
  void OnChooseSound(uint32_t item);         ///< "켜기", "끄기"
  /// "윈도우 시작 시 실행": ticks or unticks the item as the registry holds it now.
  void OnToggleStartWithWindows();
  void OnEditAlarms();  ///< "알림 편집(&E)..."
  void OnSwitchMute();  ///< "1시간 동안 소리 끄기(&M)", or its "소리 끔 · hh:mm까지(&M)"
  void OnSwitchHold();                       ///< "1시간 동안 알림 모아 두기(&P)"
  void OnSwitchFullScreenHold();             ///< "전체 화면일 때 모아 두기(&F)"
  void OnHideStrip();                        ///< "스트립 숨기기", "스트립 보이기"
  void OnChoosePopupMonitor(uint32_t item);  ///< "주 모니터", "스트립이 있는 모니터"

  // Reports, one message box at a time.
  /// Shows `text` once the current message has been handled, so the tick reporting it is not
  /// held up; a text on screen or already waiting is not queued again.
  void ShowReport(const std::string& text);
  /// The view's scheduled report: the next one in a box (the clock runs on behind it).
  void OnShowReport();

  /// The remembered settings with the choices of this run.
  const StripSettings& settings() const { return settings_; }
  /// The check mark of "켜기": the alarm sound switch.
  bool sound_on() const { return sound_on_; }
  bool quiz_mode() const { return quiz_.quiz_mode(); }
  /// The check mark of "윈도우 시작 시 실행", read from the registry as the menu opens.
  bool StartsWithWindows() const;
  /// The separator of the real time shown, e.g. ":".
  const std::string& time_separator() const { return services_.time_separator; }

 private:
  // The clock tick's duties.
  void ShowRealTime(const std::string& text) override { view_->ShowRealTime(text); }
  void ShowGameTexts(const std::string& pane, const std::string& summary) override {
    view_->ShowGameTexts(pane, summary);
  }
  void SetBlinking(bool on) override { view_->SetBlinking(on); }
  void LoadAlarmList() override;
  void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, const ClockReading& now) override;
  bool QuizMode() const override { return quiz_.quiz_mode(); }
  void NextQuizLine() override { OnNextQuizLine(); }

  // A choice shown, without remembering it.
  void ApplyTransparency(uint32_t item);
  void ApplyColour(uint32_t item);
  void ApplySound(uint32_t item);
  void ApplyFullScreenHold(bool on);
  void ApplyPopupMonitor(uint32_t item);
  /// Shows or hides the strip and names the hide item accordingly.
  void ApplyHidden(bool hidden);
  /// The remembered choices as if the player had chosen them.
  void RestoreChoices();
  /// Shows the quiz panel exactly when quiz mode is on.
  void ModeChange();
  /// Writes settings_ into the settings file; a failure the store tells is reported.
  void SaveSettings();
  /// The wall clock now, as a moment (seconds as QuietHour).
  int64_t Now() const;
  /// The quiet modes at the tick's moment `now`: held notices let go when nothing holds them
  /// any more, the menu shown afresh when a mode's hour has ended.
  void TickQuiet(int64_t now);
  /// The three quiet items' texts and check marks as the modes are at `now`.
  void ShowQuietItems(int64_t now);

  Services services_;
  StripView* view_ = nullptr;
  AlarmLink* alarms_ = nullptr;
  TimetableLink* timetable_ = nullptr;
  QuietGate* quiet_ = nullptr;
  QuizModel quiz_;
  ClockTick tick_;
  TickTiming tick_timing_;
  TickFailureReport tick_failures_;
  ReportQueue reports_;
  StripSettings settings_;
  bool sound_menu_enabled_ = false;
  bool sound_on_ = false;
  bool menu_open_ = false;
  bool hold_full_screen_ = false;
  bool asking_before_ending_ = false;
  // The quiet modes as the menu shows them: muted, holding for the hour.
  std::pair<bool, bool> quiet_shown_{false, false};
  bool icon_present_ = false;
  bool hidden_ = false;
};

}  // namespace tavlin
