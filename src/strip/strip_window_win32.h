// strip/ holds the strip: its window and widgets, its menu, hints, layout, reach and top-most
// rules, the settings file and the report queue.
// The main clock window: the borderless, always-on-top strip with the game-time panel, the
// real-time panel and the quiz panel, its popup menu, and the one-second clock tick.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "alarms/alarm_link.h"
#include "base/file_system.h"
#include "clock/clock_tick.h"
#include "clock/tick_timing.h"
#include "popup/popup_window_win32.h"
#include "quiz/quiz_label_win32.h"
#include "quiz/quiz_line.h"
#include "strip/game_time_pane_win32.h"
#include "strip/report_queue.h"
#include "strip/rounded_panel_win32.h"
#include "strip/strip_hints_win32.h"
#include "strip/strip_layout.h"
#include "strip/strip_menu_win32.h"
#include "strip/strip_settings_win32.h"
#include "timetable/timetable_link.h"
#include "win32/gdi_win32.h"
#include "win32/shown_text_win32.h"
#include "win32/window_base_win32.h"

namespace tavlin {

/// The strip's window class, by which a second start of the program finds the running strip.
inline constexpr wchar_t kStripWindowClass[] = L"TForm_study";
/// Posted to the strip by a second start of the program: the strip comes to the front, top-most.
inline constexpr UINT kShowStripRequest = WM_APP + 20;

class StripWindow : public WindowBase, private StripDuties {
 public:
  /// Creates the strip hidden and runs its creation steps: schedule, first quiz line and width,
  /// clock tick reset, sound menu. `files` is the disk the quiz and sound checks look at.
  explicit StripWindow(const FileSystem& files);

  /// Shows the strip top-most, with the quiz panel as quiz mode says: where the settings file
  /// remembers it, or else centred on the screen.
  void Show();

  /// The alarms the tick loads and checks (nullptr: none).
  void set_alarm_link(AlarmLink* alarms) { alarms_ = alarms; }
  /// The timetable window the menu opens and the strip's top-most placements keep above the
  /// strip (nullptr: none).
  void set_timetable_link(TimetableLink* timetable) { timetable_ = timetable; }

  /// Shows `text` to the player in a message box once the current message has been handled, so
  /// that the tick reporting it is not held up; the clock keeps running while the box is open.
  /// One box at a time: a report that comes while one is open waits for it to close, and a text
  /// on screen or already waiting is not queued again.
  void ShowReport(const std::string& text);

  /// `Notifier1`, the notifier the alarms announce themselves with.
  TPopupNotifier& notifier1() { return notifier1_->Notifier(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // What the clock tick drives.
  void ShowRealTime(const std::string& text) override;
  void ShowGameTexts(const std::string& pane, const std::string& summary) override;
  void SetBlinking(bool on) override;
  void LoadAlarmList() override;
  void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, int weekday) override;
  void KeepOnTop() override;
  bool QuizMode() const override { return quiz_.quiz_mode(); }
  void NextQuizLine() override { Button2Click(); }

  // Window events.
  void FormCreate();
  void FormShow();
  void Timer1Timer();
  void AppDeactivate();
  void OnCommand(UINT id);
  void OnContextMenu(LPARAM screen_point);
  void OnSize(int width, int height);
  /// WM_DPICHANGED: fonts, marks and widgets for `dpi`, the strip where `suggested` puts it
  /// (kept within reach).
  void OnDpiChanged(int dpi, const RECT* suggested);
  /// Fonts, marks, text boxes and widgets for `dpi`, the width fitted in the new font.
  void ApplyDpi(int dpi);
  /// WM_GETDPISCALEDSIZE: the strip's window size at `dpi`.
  SIZE SizeAtDpi(int dpi) const;
  /// The text boxes at `dpi`, measured in `strip_font` (of that DPI) and the game time's font.
  static StripBoxes FitTextBoxes(int dpi, HFONT strip_font);
  /// WM_DISPLAYCHANGE: a monitor came or went, or a resolution changed.
  void OnDisplayChange();
  /// WM_SETTINGCHANGE: of the settings, only a new work area (a moved or resized task bar)
  /// matters here.
  void OnSettingChange(UINT setting);
  /// WM_EXITSIZEMOVE: a window drag has ended: the strip back within reach, its place remembered.
  void OnDragEnded();
  /// WM_ENTERMENULOOP / WM_EXITMENULOOP: the strip's popup menu opened or closed.
  void OnMenuLoop(bool open);
  /// Moves the strip, keeping its size, into the nearest monitor's work area when too little of
  /// its top row of panels is left in any work area for the player to grab it.
  void KeepStripWithinReach();
  void CreateFonts();
  /// Lets a second start reach the strip when it runs elevated and the second start does not.
  void AllowShowStripRequest();
  /// FormMouseDown, Panel1MouseDown, Label1MouseDown and StatusPane1MouseDown: a window drag.
  void StartDrag();

  // Buttons and menu items.
  void Button1Click();
  /// Also "다른문제보기" (N7) and double-clicks on Panel2 and Label1: the next quiz line.
  void Button2Click();
  void Button3Click();
  /// N2Click, N101Click, N201Click, N601Click: the window alpha of the item, key kept.
  void TransparencyItemClick(UINT item);
  /// White1Click .. Fuchsia1Click: the game-time text colour of the item.
  void ColourItemClick(UINT item);
  /// N9Click, N10Click: the sound switch.
  void SoundItemClick(UINT item);
  void N15Click();
  void N6Click();
  void N3Click();

  void CreateWidgets();
  /// Gives every widget its bounds and font from layout_.
  void LayOutWidgets();
  /// The pointer is over the strip: its hints are made the first time.
  void WakeHints();
  /// Shows Panel2 exactly when quiz mode is on.
  void ModeChange();
  /// The client width from Label1's width; the height stays.
  void FitWidth();
  void ShowQuizPanelAsModelSays();
  void OnShowReport();
  /// The player started the program again, looking for the strip.
  void OnShowStripRequest();

  // The settings file, when the player keeps one beside tavlin.exe.
  /// The remembered choices as if the player had chosen them, at creation.
  void RestoreChoices();
  /// The strip's window rectangle at its remembered place, or nothing: centred.
  std::optional<Rect> RestoredPlace() const;
  /// The strip's place and monitor into the settings, then SaveSettings.
  void RememberPlace();
  /// Writes settings_ (the player's choices of this run) into the file; says once if it cannot.
  void SaveSettings();

  const FileSystem& files_;
  QuizModel quiz_;
  ClockTick tick_;
  StripMenu menu_;
  int dpi_ = 96;
  bool menu_open_ = false;
  StripLayout layout_;
  StripBoxes boxes_;      // the text boxes for the fonts of dpi_
  bool placing_ = false;  // tavlin itself is moving the strip (a restore)
  Font font_;             // "굴림" 12: the window, its panels, the label, Button1 and Button3
  Font small_font_;       // "굴림" 11: Button2
  std::unique_ptr<RoundedPanel> panel1_;
  std::unique_ptr<RoundedPanel> panel3_;
  std::unique_ptr<RoundedPanel> panel2_;
  std::unique_ptr<GameTimePane> status_pane1_;
  std::unique_ptr<QuizLabel> label1_;
  ShownText real_time_shown_;  // Panel3's caption
  ShownText pane_shown_;       // StatusPane1's caption
  ShownText summary_shown_;    // Panel1's caption
  HWND button1_ = nullptr;
  HWND button2_ = nullptr;
  HWND button3_ = nullptr;
  StripHints hints_;
  WindowTimer timer1_;
  TickTiming tick_timing_;
  AlarmLink* alarms_ = nullptr;
  TimetableLink* timetable_ = nullptr;
  TickFailureReport tick_failures_;
  ReportQueue reports_;
  std::unique_ptr<Win32PopupNotifier> notifier1_;
  StripSettingsFile settings_file_;
  StripSettings settings_;
  bool sound_menu_enabled_ = false;
};

}  // namespace tavlin
