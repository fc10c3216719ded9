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
class RecordingView : public StripView, public AlarmLink, public TimetableLink {
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

  void ShowFromMenu() override { log.push_back("timetable shown"); }
  bool Visible() const override { return false; }
  bool MenuOpen() const override { return false; }
  void KeepOnTop() override { log.push_back("timetable on top"); }
  HWND__* window() const override { return nullptr; }

  static std::string Check(uint32_t command) { return "check " + std::to_string(command); }
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
                    (s.strip_hidden ? std::string(" hidden ") + flag(s.strip_hidden) : "") +
                    (s.popup_monitor_item ? " popups " + item(s.popup_monitor_item) : ""));
    return std::nullopt;
  }
};

// A host started on a memory disk with the quiz file (one line), the sound file and the alarm
// list, as the program entry starts it. Tick(t) is a timer message reading the clock at HHMMSS t.
struct StartedHost {
  fakes::MemoryFileSystem files;
  FakeSettingsStore store;
  RecordingView view;
  WallClockReading clock{{12, 0, 0, 3}, 500};
  StripHost host{{files, store, [this] { return clock; }, [] { return uint64_t{7}; }, ":",
                  [this](TDefaultMonitor m) {
                    view.log.push_back(m == TDefaultMonitor::dmMainForm ? "popups on strip's"
                                                                        : "popups on primary");
                  }}};

  explicit StartedHost(const StripSettings& remembered = {}, bool quiz_file = true,
                       bool sound_menu = true, bool icon = false) {
    if (icon) host.OnNotifyIconPresence(true);
    if (quiz_file) files.files[kQuizFilePath] = "Q1 // A1\n";
    if (sound_menu) files.files[kAlarmSoundFile] = "RIFF";
    files.files[AlarmFilePath(kWorkingDirectory)] = "";
    store.remembered = remembered;
    host.Start(view, &view, &view);
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
      {"the title line does nothing", kN12Title, {check_sound_on}, {}},
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
}

// The strip hides only while the icon is there to bring it back; hidden, the clock and the alarms
// go on without placing it on top, and every way back shows it again.
TEST(StripHostTest, TheStripHidesOnlyWhileTheIconCanBringItBack) {
  StartedHost s({}, true, true, /*icon=*/true);
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
  EXPECT_TRUE(StartedHost(hidden, true, true, true).host.hidden());
  EXPECT_FALSE(StartedHost(hidden, true, true, false).host.hidden());
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
