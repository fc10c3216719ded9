#include "alarms/alarm_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "alarms/alarm_gap.h"
#include "alarms/alarm_service.h"
#include "alarms/alarm_warning.h"
#include "clock/game_time.h"
#include "clock/schedule.h"
#include "game_time_oracle.h"
#include "test_support.h"

namespace tavlin {

namespace {

using fakes::MemoryFileSystem;

constexpr char kDirectory[] = "/opt/tavlin/";
constexpr char kListPath[] = "/opt/tavlin/tavlin.gogo";
constexpr int kSecondsPerDay = 86400;
constexpr int64_t kMonday = 4 * kSecondsPerDay;  // 1970-01-05, a Monday, as a moment

using Strings = std::vector<std::string>;

// Records what the alarm check announces; a popup is noted with the simulated time it opened.
class RecordingAnnouncer : public AlarmAnnouncer {
 public:
  Strings calls;
  Strings popups;  // "<weekday> hh:mm:ss <title>"
  std::string now;

  void Announce(const Notice& notice) override {
    calls.push_back("notice " + notice.title + "|" + notice.text + "|" +
                    std::to_string(notice.colour.b << 16 | notice.colour.g << 8 | notice.colour.r));
    popups.push_back(now + " " + notice.title);
  }
  void PlaySound() override { calls.push_back("sound"); }
};

std::string TwoDigitText(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// The player's clock, checked every ten seconds the way the strip's tick does, with the game
// time worked out from the schedule for every check.
class AlarmCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildSchedule();
    files.files["./tavlin00.wav"] = "RIFF";
  }

  void WriteList(const Strings& lines) {
    std::string text = "번호|종류|시작|끝|요일|제목|내용\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    files.files[kListPath] = text;
  }

  // Loads the list at `weekday` hh:mm:ss and checks at once, as the first tick does.
  void Start(const Strings& lines, int weekday, int32_t hhmmss) {
    WriteList(lines);
    now_ = (weekday - 1) * kSecondsPerDay + hhmmss / 10000 * 3600 + hhmmss / 100 % 100 * 60 +
           hhmmss % 100;
    LoadAlarmList(kDirectory, files, table);
    Check();
  }
  // "알림체크": the next tick reloads and checks, whatever its second.
  void Reload() {
    ++now_;
    LoadAlarmList(kDirectory, files, table);
    Check();
  }
  // Checks at every second that is a multiple of ten, up to `weekday` hh:mm:ss.
  void RunUntil(int weekday, int32_t hhmmss) {
    int end = (weekday - 1) * kSecondsPerDay + hhmmss / 10000 * 3600 + hhmmss / 100 % 100 * 60 +
              hhmmss % 100;
    while (end < now_) end += 7 * kSecondsPerDay;  // into the next week
    for (now_ = now_ / 10 * 10 + 10; now_ <= end; now_ += 10) Check();
    now_ = end;
  }
  // One alarm line, from one moment of the week (day, hhmmss) to another: the popups it gives.
  struct Run {
    const char* line;
    int start_day;
    int32_t start;
    int end_day;
    int32_t end;
    Strings popups;
  };
  void ExpectRun(const Run& run) {
    table = {};
    announcer.popups.clear();
    Start({run.line}, run.start_day, run.start);
    RunUntil(run.end_day, run.end);
    EXPECT_EQ(announcer.popups, run.popups);
  }

  // The clock jumps `seconds` forward (a sleep, or a clock set forward) and is checked there.
  void Jump(int seconds) {
    now_ += seconds;
    Check();
  }

  void Check() {
    const int weekday = now_ / kSecondsPerDay % 7 + 1;
    const int second_of_day = now_ % kSecondsPerDay;
    const int h = second_of_day / 3600, m = second_of_day / 60 % 60, s = second_of_day % 60;
    const auto game =
        oracle::ComputeGameTime(FindScheduleRows(h * 10000 + m * 100 + s), second_of_day);
    ASSERT_TRUE(game.has_value());
    announcer.now = std::to_string(weekday) + " " + TwoDigitText(h) + ":" + TwoDigitText(m) + ":" +
                    TwoDigitText(s);
    const AlarmTime time = AlarmTimeAt(kMonday + now_);
    EXPECT_EQ(time.game_hhmm, game->game_hhmm);
    // As the alarm service does it.
    const bool sound = sound_on && files.Exists(AlarmSoundPath(files, kDirectory));
    const bool fired = CheckAlarms(table, time, sound, announcer);
    CheckEarlyWarnings(table, kMonday + now_, sound, fired, announcer);
  }

  MemoryFileSystem files;
  RecordingAnnouncer announcer;
  AlarmTable table;
  bool sound_on = true;
  int now_ = 0;  // seconds since Monday 00:00:00
};

TEST_F(AlarmCheckTest, RealTimeWindowsFireOncePerHourOfTheirClock) {
  const struct {
    const char* name;
    Run run;
  } cases[] = {
      {"both bounds belong to the window",
       {"1|7|20:00|20:30|0|A|a", 1, 195900, 2, 204000, {"1 20:00:00 A ", "2 20:00:00 A "}}},
      {"armed at the end minute",
       {"1|7|20:00|20:30|0|A|a", 1, 203005, 1, 210000, {"1 20:30:05 A "}}},
      {"again at the second check of the next hour",
       {"1|7|20:30|21:30|0|A|a", 1, 200000, 1, 220000, {"1 20:30:00 A ", "1 21:00:10 A "}}},
      {"the whole day",
       {"1|7|00:00|23:59|0|A|a",
        3,
        101733,
        3,
        130030,
        {"3 10:17:33 A ", "3 11:00:10 A ", "3 12:00:10 A ", "3 13:00:10 A "}}},
      {"wrapping, bounds excluded",
       {"1|7|23:00|01:00|0|A|a", 1, 225000, 2, 11000, {"1 23:01:00 A ", "2 00:00:10 A "}}},
      {"start equal to end",
       {"1|7|12:00|12:00|0|A|a",
        1,
        110000,
        1,
        133000,
        {"1 11:00:00 A ", "1 12:01:00 A ", "1 13:00:10 A "}}},
      {"Saturdays only, after midnight too",
       {"1|7|23:00|01:00|6|A|a", 5, 220000, 7, 20000, {"6 00:00:00 A ", "6 23:01:00 A "}}},
      {"daily wrapping window across the week's end",
       {"1|7|23:00|01:00|0|A|a", 7, 235950, 1, 10, {"7 23:59:50 A ", "1 00:00:10 A "}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectRun(c.run);
  }
}

TEST_F(AlarmCheckTest, EarlyWarningsComeOnceAtTheFirstCheckAtOrAfterTheirMoment) {
  // Game 23:00 and 13:00 begin at the last second of the double-hour before (02:04:47, 04:02:23,
  // and every four hours), as the schedule gives them: a start at 02:02:46 is not yet warned.
  const Run cases[] = {
      // clang-format off
      {"1|7|20:00|20:30|0|A|a|5", 1, 195000, 2, 200010, {"1 19:55:00 5분 전 · A", "1 20:00:00 A ",
       "2 19:55:00 5분 전 · A", "2 20:00:00 A "}},
      {"1|7|23:00|01:00|0|W|w|10", 1, 220000, 1, 230100, {"1 22:51:00 10분 전 · W", "1 23:01:00 W "}},
      {"1|7|00:05|00:30|6|S|s|10", 4, 0, 6, 10000, {"5 23:55:00 10분 전 · S", "6 00:05:00 S "}},
      {"1|5|23:00|23:30|0|G|g|2", 1, 20246, 1, 61000, {"1 02:02:50 2분 전 · G", "1 02:04:50 G ",
       "1 06:02:50 2분 전 · G", "1 06:04:50 G "}},
      {"1|5|23:00|23:30|0|G|g|2", 1, 20247, 1, 20300, {"1 02:02:47 2분 전 · G"}},
      {"1|6|13:00|13:59|0|M|m|60", 1, 23000, 1, 43000, {"1 03:02:30 60분 전 · M", "1 04:02:30 M "}},
      // Longer than a game day: right after the due time before, with the minutes really left.
      {"1|5|13:00|13:59|0|P|p|300", 1, 10000, 1, 81000, {"1 01:00:00 183분 전 · P", "1 04:02:30 P ",
       "1 04:02:30 240분 전 · P", "1 08:02:30 P ", "1 08:02:30 240분 전 · P"}},
      {"1|5|23:00|23:30|1|D|d|2", 1, 20000, 1, 61000, {}},
      {"1|7|20:00|20:30|0|B|b|abc", 1, 195000, 1, 201000, {"1 20:00:00 B "}},
      {"1|7|20:00|20:30|0|L|l|10", 1, 195700, 1, 200000, {"1 19:57:00 3분 전 · L", "1 20:00:00 L "}},
      // clang-format on
  };
  for (const Run& c : cases) {
    SCOPED_TRACE(c.line);
    ExpectRun(c);
  }
}

TEST_F(AlarmCheckTest, AFiredAlarmIsArmedAgainInAnyOtherHourOfItsClockAfterAJump) {
  // Fired at Monday 10:00:00, checked until 10:00:20; then the clock jumps and is checked every
  // ten seconds: the first check in another hour arms, the next one fires. The same hour of
  // another day, or of another game day (four real hours), is another hour.
  const struct {
    const char* line;
    int jump;
    Strings popups;
  } cases[] = {
      {"1|7|00:00|23:59|0|R|r", 0, {}},
      {"1|7|00:00|23:59|0|R|r", 3600, {"1 11:00:40 R "}},
      {"1|7|00:00|23:59|0|R|r", kSecondsPerDay, {"2 10:00:40 R "}},
      {"1|7|00:00|23:59|0|R|r", 7 * kSecondsPerDay, {"1 10:00:40 R "}},
      {"1|5|00:00|23:59|0|G|g", 0, {}},
      {"1|5|00:00|23:59|0|G|g", 4 * 3600, {"1 14:00:40 G "}},
      {"1|6|00:00|23:59|0|G|g", kSecondsPerDay, {"2 10:00:40 G "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " +" + std::to_string(c.jump));
    table = {};
    Start({c.line}, 1, 100000);
    RunUntil(1, 100020);
    announcer.popups.clear();
    for (int step : {c.jump + 10, 10, 10}) Jump(step);
    EXPECT_EQ(announcer.popups, c.popups);
  }
}

TEST_F(AlarmCheckTest, AGapListsWhatOpenedAndClosedInItAndFiresWhatIsStillOpen) {
  // Checked at Monday 19:00:00, then at a moment after a sleep or a clock change, while the
  // monotonic clock moved `awake` seconds; `resumed`: the system said it woke.
  WriteList({"1|7|20:00|20:30|0|A|a|10", "2|7|08:00|08:30|0|B|b", "3|7|10:00|10:30|2|C|c",
             "4|5|23:00|23:30|0|G|g"});
  const struct {
    const char* name;
    int day;
    int32_t hhmmss;
    int awake;
    bool resumed;
    Strings shown;
  } rows[] = {
      // clang-format off
      {"none", 1, 190010, 10, false, {}},
      {"shorter than two minutes", 1, 190150, 0, false, {}},
      {"one closed inside", 1, 210000, 0, false, {"놓친 알림|20:00 A"}},
      {"one still open at wake", 1, 201000, 0, false, {"A "}},
      {"a warning whose moment fell in it", 1, 195700, 0, false, {"3분 전 · A"}},
      {"longer than a day: its last day", 3, 190000, 0, false, {"놓친 알림|20:00 A\r08:00 B\r18:04 G"}},
      {"clock set back", 1, 180000, 0, false, {}},
      {"the program ran all along", 1, 210000, 7200, false, {}},
      {"a sleep the monotonic clock counted", 1, 210000, 7200, true, {"놓친 알림|20:00 A"}},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    int64_t monotonic_ms = 0;
    AlarmService service(files, announcer, kDirectory, nullptr, [&] { return monotonic_ms; });
    const auto check = [&](int day, int32_t hhmmss) {
      service.CheckAlarms(hhmmss / 100, 0,
                          {hhmmss / 10000, hhmmss / 100 % 100, hhmmss % 100, day, 3 + day}, true);
    };
    service.LoadAlarmList();
    check(1, 190000);
    announcer.calls.clear();
    monotonic_ms += row.awake * 1000;
    if (row.resumed) service.NoteResume();
    check(row.day, row.hhmmss);
    Strings shown;
    for (const std::string& call : announcer.calls) {
      if (!call.starts_with("notice ")) continue;
      // "notice title|text|colour": the missed-alarm popup with its list, any other by its title.
      const std::string notice = call.substr(7, call.rfind('|') - 7);
      const std::string title = notice.substr(0, notice.find('|'));
      shown.push_back(title == kMissedAlarmsTitle ? notice : title);
    }
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(std::count(announcer.calls.begin(), announcer.calls.end(), "sound"),
              shown.empty() ? 0 : 1);
  }
}

TEST_F(AlarmCheckTest, DayRulesThatNeverHold) {
  // A week of checks: no weekday matches, and game-time alarms want repeat day 0.
  Start({"1|7|00:00|23:59|8|bad day|a", "2|7|00:00|23:59|-1|negative day|a",
         "3|5|00:00|23:59|3|game with day|a", "4|6|00:00|23:59|7|game with day|a",
         "5|7|00:00|23:59|3|Wednesday|a"},
        1, 0);
  RunUntil(7, 235950);
  Strings expected;
  for (int h = 0; h < 24; ++h) {
    expected.push_back("3 " + TwoDigitText(h) + (h == 0 ? ":00:00" : ":00:10") + " Wednesday ");
  }
  EXPECT_EQ(announcer.popups, expected);
}

TEST_F(AlarmCheckTest, GameTimeAlarmsFollowTheGameHour) {
  // Real 00:09:36 is game 14:00:04 and real 00:16:47 game 15:00:00; the real hour stays 0.
  Start({"1|5|00:00|23:59|0|game|x", "2|6|14:00|14:01|0|game 14|y", "3|7|00:00|23:59|0|real|z"}, 1,
        900);
  RunUntil(1, 2000);
  EXPECT_EQ(announcer.popups,
            (Strings{"1 00:09:00 game ", "1 00:09:00 real ", "1 00:09:40 game 14 ",
                     "1 00:09:50 game ", "1 00:17:00 game "}));
  // Each popup has the colour of its kind.
  const Strings first_check(announcer.calls.begin(), announcer.calls.begin() + 3);
  EXPECT_EQ(first_check, (Strings{"notice game |x|7326463", "sound", "notice real |z|10092441"}));
}

TEST_F(AlarmCheckTest, OneCheckShowsEveryDueAlarmInOrderWithOneSound) {
  Start({"1|7|08:00|09:00|0|아침|먹기////자기", "2|7|08:30|08:40|0|never|-",
         "3|6|00:00|23:59|0|게임|a///b", "4|9|00:00|23:59|0|unknown kind|-",
         "5|7|00:00|23:59|0|마지막|//"},
        2, 81503);
  EXPECT_EQ(announcer.calls,
            (Strings{"notice 아침 |먹기\r\r자기|10092441", "sound", "notice 게임 |a\r/b|16764057",
                     "notice 마지막 |\r|10092441"}));
  // The same hour fires nothing more.
  announcer.calls.clear();
  RunUntil(2, 81510);
  EXPECT_EQ(announcer.calls, Strings{});

  // Through the alarm service as the strip's tick calls it: the sound needs the switch on and its
  // file in the working directory or, when not there, beside the program.
  const struct {
    const char* name;
    bool sound_on;
    const char* sound_file;
    int sounds;
  } rows[] = {
      {"switched off", false, "./tavlin00.wav", 0},
      {"in the working directory", true, "./tavlin00.wav", 1},
      {"beside the program only", true, "/opt/tavlin/tavlin00.wav", 1},
      {"in another folder only", true, "/elsewhere/tavlin00.wav", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    files.files.erase("./tavlin00.wav");
    files.files.erase("/opt/tavlin/tavlin00.wav");
    files.files[row.sound_file] = "RIFF";
    AlarmService service(files, announcer, kDirectory, nullptr);
    service.LoadAlarmList();
    announcer.calls.clear();
    service.CheckAlarms(815, 0, ClockReading{8, 15, 3, 2, 5}, row.sound_on);
    EXPECT_EQ(std::count_if(announcer.calls.begin(), announcer.calls.end(),
                            [](const std::string& c) { return c.rfind("notice", 0) == 0; }),
              3);
    EXPECT_EQ(std::count(announcer.calls.begin(), announcer.calls.end(), "sound"), row.sounds);
  }
}

TEST_F(AlarmCheckTest, TheListEndsAtTheFirstKindOfZeroOrLess) {
  for (const char* end : {"", "9|0|00:00|23:59|0|zero|-", "9|-1|00:00|23:59|0|negative|-"}) {
    SCOPED_TRACE(end);
    table = {};
    announcer.popups.clear();
    Start({"1|7|00:00|23:59|0|before|-", end, "3|7|00:00|23:59|0|after|-"}, 1, 120000);
    EXPECT_EQ(announcer.popups, (Strings{"1 12:00:00 before "}));
  }
}

TEST_F(AlarmCheckTest, ReloadRearmsAlarmsThatFiredThisHour) {
  Start({"1|7|20:00|20:30|0|A|a"}, 4, 195955);
  RunUntil(4, 201000);
  Reload();
  RunUntil(4, 203100);
  EXPECT_EQ(announcer.popups, (Strings{"4 20:00:00 A ", "4 20:10:01 A "}));
}

TEST_F(AlarmCheckTest, AlarmsOffDoNothingUntilTheListIsFound) {
  Start({"1|7|00:00|23:59|0|A|a"}, 1, 100000);
  files.files.erase(kListPath);
  announcer.calls.clear();
  LoadAlarmList(kDirectory, files, table);
  const AlarmTable before = table;
  RunUntil(1, 120000);
  EXPECT_TRUE(announcer.calls.empty());
  EXPECT_EQ(table.records, before.records);

  // The player writes the list and asks for "알림체크": alarms work again.
  WriteList({"1|7|00:00|23:59|0|B|b"});
  Reload();
  EXPECT_EQ(announcer.popups, (Strings{"1 10:00:00 A ", "1 12:00:01 B "}));
  EXPECT_FALSE(table.alarms_off);
}

TEST_F(AlarmCheckTest, ServiceReportsLoadFailuresOnceAndChecksTheTable) {
  Strings reports;
  AlarmService service(files, announcer, kDirectory,
                       [&](const std::string& text) { reports.push_back(text); });
  WriteList({"1|7|00:00|23:59|0|A|a", "2|7|20:00|2O:30|0|B|b"});
  for (int tick = 0; tick < 3; ++tick) EXPECT_THROW(service.LoadAlarmList(), ReportedError);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("'2O30' is not a valid integer value"), std::string::npos)
      << reports[0];

  const auto check = [&] {
    announcer.popups.clear();
    service.CheckAlarms(1956, 1400, ClockReading{19, 56, 0, 1, 4}, true);
    return announcer.popups;
  };
  const auto save = [&](const Strings& lines) {
    WriteList(lines);
    ++files.modified[kListPath];
  };
  const std::string a = "1|7|20:00|20:30|0|A|a|5", b = "2|7|19:00|20:30|0|B|b";
  save({a, b});
  service.LoadAlarmList();
  // Loaded at 19:56, past the warning's moment: it says the four minutes left.
  EXPECT_EQ(check(), (Strings{" B ", " 4분 전 · A"}));
  EXPECT_EQ(std::count(announcer.calls.begin(), announcer.calls.end(), "sound"), 1);
  // "알림체크" arms every alarm again, but a warning shown is not shown again.
  service.LoadAlarmList();
  EXPECT_EQ(check(), (Strings{" B "}));
  // A saved edit: the changed and the new line fire; the unchanged ones keep their state, also
  // while the list is gone for a moment (a new file renamed over it).
  save({a, "2|7|19:00|20:30|0|B|changed", "3|7|19:00|21:00|0|C|c"});
  EXPECT_EQ(check(), (Strings{" B ", " C "}));
  const std::string whole = files.files[kListPath];
  files.files.erase(kListPath);
  EXPECT_EQ(check(), Strings{});
  files.files[kListPath] = whole;
  ++files.modified[kListPath];
  EXPECT_EQ(check(), Strings{});
  // Caught half-saved: nothing is told, the alarms go on, and the finished file is taken.
  save({a, "2|7|19:00|20:30|0|B|changed", "3|7|19:00|"});
  EXPECT_EQ(check(), Strings{});
  save({a, "2|7|19:00|20:30|0|B|changed", "3|7|19:00|21:00|0|C|c", "4|7|19:00|21:00|0|D|d"});
  EXPECT_EQ(check(), (Strings{" D "}));
  EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
}  // namespace tavlin
