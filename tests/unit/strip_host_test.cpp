#include "strip/strip_host.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/player_files.h"
#include "strip/strip_menu_items.h"
#include "test_support.h"

namespace tavlin {
namespace {

using Strings = std::vector<std::string>;

// One log for everything the host asks of the view, the alarms and the timetable, in order. The
// clock's texts and blinking are not logged: the clock tick's own tests cover them.
class RecordingView : public StripView,
                      public AlarmLink,
                      public TimetableLink,
                      public AlarmAnnouncer {
 public:
  Strings log;
  std::string failing_check;  // CheckAlarms throws it when set

  void ShowRealTime(const std::string&) override {}
  void ShowGameTexts(const std::string&, const std::string&) override {}
  void SetBlinking(bool) override {}
  void SetPaneColour(const Rgb& c) override {
    log.push_back("colour " + std::to_string(c.r) + "," + std::to_string(c.g) + "," +
                  std::to_string(c.b));
  }
  void SetAlpha(uint8_t alpha) override { log.push_back("alpha " + std::to_string(alpha)); }
  void CheckMenuRadio(uint32_t command) override { log.push_back(Check(command)); }
  void EnableSoundMenu() override { log.push_back("enable sound"); }
  void SetMenuItem(uint32_t command, const std::string& text, bool checked) override {
    log.push_back(Item(command, text, checked));
  }
  void ShowQuizPanel(bool shown) override { log.push_back(shown ? "panel shown" : "panel hidden"); }
  void SetQuizLine(const std::string& text) override { log.push_back("quiz line " + text); }
  void FocusNextQuizButton() override { log.push_back("focus N"); }
  bool on_top = true;
  bool IsOnTop() const override { return on_top; }
  void PlaceOnTop() override { log.push_back("place on top"); }
  void PlaceBelow(HWND__*) override { log.push_back("place below timetable"); }
  void SetTickInterval(int) override {}
  void ScheduleReport() override { log.push_back("schedule report"); }
  void ShowReportBox(const std::string& text) override { log.push_back("report box " + text); }
  void Close() override { log.push_back("close"); }
  bool AskShowHeldBeforeEnding(const std::string&) override { return false; }
  void SetStripShown(bool shown) override { log.push_back(shown ? "strip shown" : "strip hidden"); }
  void ShowHideItem(bool hidden, bool enabled) override {
    log.push_back(std::string(hidden ? "item 보이기" : "item 숨기기") + (enabled ? "" : " greyed"));
  }

  void LoadAlarmList() override { log.push_back("alarms load"); }
  void CheckAlarms(int32_t real_hhmm, int32_t, const ClockReading& now, bool sound_on) override {
    if (!failing_check.empty()) throw std::runtime_error(failing_check);
    log.push_back("alarms check " + std::to_string(real_hhmm) + " at " + std::to_string(now.hour) +
                  ":" + std::to_string(now.minute) + ":" + std::to_string(now.second) +
                  (sound_on ? " sound on" : " sound off"));
  }

  void Announce(const Notice& notice) override { log.push_back("popup " + notice.title); }
  void PlaySound() override { log.push_back("sound"); }

  void ShowFromMenu() override { log.push_back("timetable shown"); }
  bool Visible() const override { return false; }
  bool MenuOpen() const override { return false; }
  void KeepOnTop() override { log.push_back("timetable on top"); }
  HWND__* window() const override { return nullptr; }

  static std::string Check(uint32_t command) { return "check " + std::to_string(command); }
  static std::string Item(uint32_t command, const std::string& text, bool checked) {
    return "item " + std::to_string(command) + " " + text + (checked ? " checked" : "");
  }
};

// The settings file: what it remembers, and every save in a short form.
class FakeSettingsStore : public StripSettingsStore {
 public:
  StripSettings remembered;
  Strings saves;

  StripSettings Load() const override { return remembered; }
  std::optional<std::string> Save(const StripSettings& s) override {
    const auto flag = [](const std::optional<bool>& b) { return !b ? "-" : *b ? "on" : "off"; };
    const auto item = [](const std::optional<uint32_t>& i) {
      return i ? std::to_string(*i) : std::string("-");
    };
    saves.push_back("alpha " + item(s.alpha_item) + " colour " + item(s.colour_item) + " quiz " +
                    flag(s.quiz_panel) + " sound " + flag(s.sound_on) +
                    (s.hold_full_screen ? std::string(" fullscreen ") + flag(s.hold_full_screen)
                                        : std::string()) +
                    (s.strip_hidden ? std::string(" hidden ") + flag(s.strip_hidden) : "") +
                    (s.popup_monitor_item ? " popups " + item(s.popup_monitor_item) : ""));
    return std::nullopt;
  }
};

// The Run list: what it holds, every change made, and the reason it refuses changes with when set.
class FakeStartupRegistry : public StartupRegistry {
 public:
  StartupEntry entry;
  std::optional<std::string> refusal;
  int changes = 0;

  StartupEntry Read() const override { return entry; }
  std::optional<std::string> WriteRunValue(const std::string& text) override {
    return Change([&] { entry.run_value = text; });
  }
  std::optional<std::string> DeleteRunValue() override {
    return Change([&] { entry.run_value.reset(); });
  }
  std::optional<std::string> DeleteApproval() override {
    return Change([&] { entry.approval.reset(); });
  }

 private:
  template <typename Do>
  std::optional<std::string> Change(Do change) {
    ++changes;
    if (!refusal) change();
    return refusal;
  }
};

// A host started on a memory disk with the quiz file (one line), the sound file and the alarm
// list in `folder` (the working directory unless told), as the program entry starts it, in the
// program folder /opt/tavlin/. Tick(t) is a timer message reading the clock at HHMMSS t.
struct StartedHost {
  fakes::MemoryFileSystem files;
  FakeSettingsStore store;
  FakeStartupRegistry registry;
  RecordingView view;
  WallClockReading clock{{12, 0, 0, 3}, 500};
  StripHost host{{files, store, [this] { return clock; }, [] { return uint64_t{7}; }, ":",
                  "/opt/tavlin/", &registry, "C:\\tavlin\\tavlin.exe",
                  [this] { view.log.push_back("alarm editor shown"); }, nullptr,
                  [this](TDefaultMonitor m) {
                    view.log.push_back(m == TDefaultMonitor::dmMainForm ? "popups on strip's"
                                                                        : "popups on primary");
                  }}};
  QuietGate quiet{view};

  explicit StartedHost(const StripSettings& remembered = {}, bool quiz_file = true,
                       bool sound_menu = true, const std::string& folder = kWorkingDirectory,
                       bool icon = false) {
    if (icon) host.OnNotifyIconPresence(true);
    if (quiz_file) files.files[folder + kQuizFileName] = "Q1 // A1\n";
    if (sound_menu) files.files[folder + kAlarmSoundFileName] = "RIFF";
    files.files[AlarmFilePath(folder)] = "";
    store.remembered = remembered;
    host.Start(view, &view, &view, &quiet);
    host.OnShown();
  }
  void Tick(int hhmmss) {
    clock = {{hhmmss / 10000, hhmmss / 100 % 100, hhmmss % 100, 3}, 10};
    host.OnTimer();
  }
};

TEST(StripHostTest, MenuCommandsBecomeChoicesAndSavedSettings) {
  const std::string quiz_on = " quiz - sound -";
  struct Row {
    const char* name;
    uint32_t command;
    Strings log;  // the command, then a tick at 12:00:10
    Strings saves;
  };
  const std::string check_sound_on = "alarms check 1200 at 12:0:10 sound on";
  const Row rows[] = {
      {"60%",
       kN601Alpha60,
       {"alpha 120", RecordingView::Check(kN601Alpha60), check_sound_on},
       {"alpha " + std::to_string(kN601Alpha60) + " colour -" + quiz_on}},
      {"Blue",
       kBlue1,
       {"colour 0,255,255", RecordingView::Check(kBlue1), check_sound_on},
       {"alpha - colour " + std::to_string(kBlue1) + quiz_on}},
      {"끄기",
       kN10SoundOff,
       {RecordingView::Check(kN10SoundOff), "alarms check 1200 at 12:0:10 sound off"},
       {"alpha - colour - quiz - sound off"}},
      {"시계모드/문답+",
       kN3QuizMode,
       {"panel hidden", check_sound_on},
       {"alpha - colour - quiz off sound -"}},
      {"다른문제보기", kN7NextQuiz, {"quiz line Q1  A1", "panel shown", check_sound_on}, {}},
      // The tick after "알림체크" loads the list whatever its second, and leaves the top-most
      // placement to the next :x0 tick.
      {"알림체크", kN15AlarmCheck, {"alarms load", check_sound_on}, {}},
      {"게임시진->현실시간표", kN6Timetable, {"timetable shown", check_sound_on}, {}},
      {"문답공부시계 종료", kN5Exit, {"close", check_sound_on}, {}},
      {"알림 편집", kEditAlarms, {"alarm editor shown", check_sound_on}, {}},
      {"the title line does nothing", kN12Title, {check_sound_on}, {}},
      {"1시간 동안 소리 끄기",
       kMuteForAnHour,
       {RecordingView::Item(kMuteForAnHour, "소리 끔 · 13:00까지(&M)", true),
        RecordingView::Item(kHoldForAnHour, kHoldMenuText, false), check_sound_on},
       {}},
      {"1시간 동안 알림 모아 두기",
       kHoldForAnHour,
       {RecordingView::Item(kMuteForAnHour, kMuteMenuText, false),
        RecordingView::Item(kHoldForAnHour, kHoldMenuText, true), check_sound_on},
       {}},
      {"전체 화면일 때 모아 두기",
       kHoldWhileFullScreen,
       {RecordingView::Item(kHoldWhileFullScreen, kHoldFullScreenMenuText, true), check_sound_on},
       {"alpha - colour - quiz - sound - fullscreen on"}},
      {"스트립이 있는 모니터",
       kPopupsOnStripMonitor,
       {RecordingView::Check(kPopupsOnStripMonitor), "popups on strip's", check_sound_on},
       {"alpha - colour - quiz - sound - popups " + std::to_string(kPopupsOnStripMonitor)}},
      {"주 모니터",
       kPopupsOnPrimary,
       {RecordingView::Check(kPopupsOnPrimary), "popups on primary", check_sound_on},
       {"alpha - colour - quiz - sound - popups " + std::to_string(kPopupsOnPrimary)}},
      {"스트립 숨기기 without the icon does nothing", kHideStrip, {check_sound_on}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    StartedHost s;
    s.Tick(120001);  // the first tick: the alarm list loaded and checked
    s.view.log.clear();
    s.host.OnMenuCommand(row.command);
    s.Tick(120010);
    EXPECT_EQ(s.view.log, row.log);
    EXPECT_EQ(s.store.saves, row.saves);
  }
}

TEST(StripHostTest, StartRestoresRememberedChoices) {
  struct Row {
    const char* name;
    StripSettings remembered;
    bool quiz_file;
    bool sound_menu;
    Strings log;  // Start and OnShown
    bool sound_on;
    bool quiz_mode;
  };
  const std::string quiz_line = "quiz line Q1  A1";
  const std::string check_on = RecordingView::Check(kN9SoundOn);
  StripSettings alpha_colour;
  alpha_colour.alpha_item = kN201Alpha40;
  alpha_colour.colour_item = kYellow1;
  StripSettings sound_off, sound_on, quiz_off;
  sound_off.sound_on = false;
  sound_on.sound_on = true;
  quiz_off.quiz_panel = false;
  StripSettings popups_strip;
  popups_strip.popup_monitor_item = kPopupsOnStripMonitor;
  const Row rows[] = {
      {"the designed state",
       {},
       true,
       true,
       {quiz_line, "panel shown", "enable sound", check_on, "panel shown", "focus N"},
       true,
       true},
      {"transparency and colour",
       alpha_colour,
       true,
       false,
       {quiz_line, "panel shown", "alpha 160", RecordingView::Check(kN201Alpha40),
        "colour 255,255,0", RecordingView::Check(kYellow1), "panel shown", "focus N"},
       false,
       true},
      {"sound off",
       sound_off,
       true,
       true,
       {quiz_line, "panel shown", "enable sound", check_on, RecordingView::Check(kN10SoundOff),
        "panel shown", "focus N"},
       false,
       true},
      {"sound on is ignored while the sound menu is disabled",
       sound_on,
       true,
       false,
       {quiz_line, "panel shown", "panel shown", "focus N"},
       false,
       true},
      {"quiz panel off",
       quiz_off,
       true,
       false,
       {quiz_line, "panel shown", "panel hidden"},
       false,
       false},
      {"popups on the strip's monitor",
       popups_strip,
       true,
       false,
       {quiz_line, "panel shown", RecordingView::Check(kPopupsOnStripMonitor), "popups on strip's",
        "panel shown", "focus N"},
       false,
       true},
      {"quiz panel off without a quiz file leaves quiz mode off",
       quiz_off,
       false,
       false,
       {"quiz line ", "panel hidden", "panel hidden"},
       false,
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    StartedHost s(row.remembered, row.quiz_file, row.sound_menu);
    EXPECT_EQ(s.view.log, row.log);
    EXPECT_EQ(s.host.sound_on(), row.sound_on);
    EXPECT_EQ(s.host.quiz_mode(), row.quiz_mode);
    EXPECT_EQ(s.store.saves, Strings{}) << "restoring saves nothing";
  }
  // Started in another folder (Windows starts a Run entry in its system folder): the files
  // beside the program serve as well.
  StartedHost beside({}, true, true, "/opt/tavlin/");
  EXPECT_EQ(beside.view.log, rows[0].log);
}

// "윈도우 시작 시 실행": the mark is read afresh each time and never written; each choice acts on
// the registry as it is then; a refusal is reported with the system's reason, once.
TEST(StripHostTest, StartWithWindowsTicksUnticksAndReportsARefusalOnce) {
  StartedHost s;
  const auto mark = [&] { return s.host.StartsWithWindows(); };
  EXPECT_FALSE(mark());
  s.host.OnMenuCommand(kStartWithWindows);
  EXPECT_EQ(s.registry.entry.run_value, "\"C:\\tavlin\\tavlin.exe\"");
  EXPECT_TRUE(mark());
  s.registry.entry.approval = std::string("\x03\0\0\0\0\0\0\0\0\0\0\0", 12);  // disabled
  EXPECT_FALSE(mark());
  s.host.OnMenuCommand(kStartWithWindows);
  EXPECT_EQ(s.registry.entry.approval, std::nullopt);
  EXPECT_TRUE(mark());
  s.host.OnMenuCommand(kStartWithWindows);
  EXPECT_EQ(s.registry.entry.run_value, std::nullopt);
  EXPECT_FALSE(mark());
  EXPECT_EQ(s.registry.changes, 4) << "reading the mark writes nothing";

  s.registry.refusal = "Access is denied";
  s.view.log.clear();
  s.host.OnMenuCommand(kStartWithWindows);
  s.host.OnMenuCommand(kStartWithWindows);  // again while the first report waits
  s.host.OnShowReport();
  s.host.OnShowReport();
  EXPECT_EQ(s.view.log, (Strings{"schedule report",
                                 "report box 윈도우 시작 시 실행을 바꿀 수 없습니다.\n"
                                 "Access is denied"}));
  EXPECT_EQ(s.store.saves, Strings{}) << "the settings file is not the place for it";
}

// The strip hides only while the icon is there to bring it back; hidden, the clock and the alarms
// go on without placing it on top, and every way back shows it again.
TEST(StripHostTest, TheStripHidesOnlyWhileTheIconCanBringItBack) {
  StartedHost s({}, true, true, kWorkingDirectory, /*icon=*/true);
  EXPECT_FALSE(s.host.hidden());
  s.Tick(120001);
  s.view.on_top = false;  // another window came over the strip: each :x0 tick places it again
  const struct Step {
    const char* what;
    std::function<void()> act;
    Strings log;  // the step, then its :x0 tick's placement (none while hidden)
    std::optional<bool> saved_hidden;
  } steps[] = {
      {"스트립 숨기기",
       [&] { s.host.OnMenuCommand(kHideStrip); },
       {"strip hidden", "item 보이기"},
       true},
      {"a left click on the icon",
       [&] { s.host.OnShowStripRequest(); },
       {"strip shown", "item 숨기기", "place on top", "panel shown", "focus N", "place on top"},
       false},
      {"hidden from the icon's menu",
       [&] { s.host.OnMenuCommand(kHideStrip); },
       {"strip hidden", "item 보이기"},
       true},
      {"스트립 보이기",
       [&] { s.host.OnMenuCommand(kHideStrip); },
       {"strip shown", "item 숨기기", "place on top", "panel shown", "focus N", "place on top"},
       false},
      {"hidden once more",
       [&] { s.host.OnMenuCommand(kHideStrip); },
       {"strip hidden", "item 보이기"},
       true},
      {"the icon is lost and cannot come back: shown, the choice kept",
       [&] { s.host.OnNotifyIconPresence(false); },
       {"strip shown", "item 숨기기 greyed", "place on top", "panel shown", "focus N",
        "place on top"},
       {}},
      {"without the icon the item does nothing",
       [&] { s.host.OnMenuCommand(kHideStrip); },
       {"place on top"},
       {}},
      {"the icon is back",
       [&] { s.host.OnNotifyIconPresence(true); },
       {"item 숨기기", "place on top"},
       {}},
  };
  int second = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    s.view.log.clear();
    s.store.saves.clear();
    step.act();
    second += second % 60 == 50 ? 20 : 10;  // the :x0 seconds, past a minute's quiz pick
    s.Tick(120000 + second / 60 * 100 + second % 60);
    Strings log = step.log;
    // The alarms are checked before the placement, hidden or not.
    log.insert(log.end() - (log.empty() || log.back() != "place on top" ? 0 : 1),
               "alarms check " + std::to_string(1200 + second / 60) + " at 12:" +
                   std::to_string(second / 60) + ":" + std::to_string(second % 60) + " sound on");
    EXPECT_EQ(s.view.log, log);
    Strings saves;
    if (step.saved_hidden) {
      saves.push_back(std::string("alpha - colour - quiz - sound - hidden ") +
                      (*step.saved_hidden ? "on" : "off"));
    }
    EXPECT_EQ(s.store.saves, saves);
  }

  // A strip remembered hidden starts hidden only with the icon.
  StripSettings hidden;
  hidden.strip_hidden = true;
  EXPECT_TRUE(StartedHost(hidden, true, true, kWorkingDirectory, true).host.hidden());
  EXPECT_FALSE(StartedHost(hidden, true, true, kWorkingDirectory, false).host.hidden());
}

TEST(StripHostTest, AFailingDutyIsReportedOnceAndAgainAfterADifferentFailure) {
  StartedHost s;
  s.Tick(120001);
  struct Row {
    int hhmmss;
    const char* failure;  // of the alarm check; "" for none
    Strings log;          // the tick, then the report shown when one was scheduled
  };
  const Row rows[] = {
      {120010, "list gone", {"schedule report", "report box list gone"}},
      {120020, "list gone", {}},
      {120030, "list broken", {"schedule report", "report box list broken"}},
      {120040, "", {"alarms check 1200 at 12:0:40 sound on"}},
      {120050, "list broken", {"schedule report", "report box list broken"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.hhmmss);
    s.view.log.clear();
    s.view.failing_check = row.failure;
    s.Tick(row.hhmmss);
    if (!s.view.log.empty() && s.view.log.back() == "schedule report") s.host.OnShowReport();
    EXPECT_EQ(s.view.log, row.log);
  }
}

}  // namespace
}  // namespace tavlin
