#include "clock/clock_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>

#include "base/text.h"
#include "clock/game_time.h"
#include "clock/schedule.h"
#include "clock/tick_timing.h"

namespace tavlin {
namespace {

// Records every call the tick makes, one line each.
class RecordingStrip : public StripDuties {
 public:
  std::vector<std::string> calls;
  std::string pane;
  bool quiz_mode = false;

  void ShowRealTime(const std::string& text) override { real_time = text; }
  void ShowGameTexts(const std::string& pane_text, const std::string& summary) override {
    pane = pane_text;
    summary_line = summary;
  }
  void SetBlinking(bool on) override { calls.push_back(on ? "blink on" : "blink off"); }
  void LoadAlarmList() override { calls.push_back("load"); }
  void CheckAlarms(int32_t real, int32_t game, int weekday) override {
    calls.push_back("check " + std::to_string(real) + " " + std::to_string(game) + " " +
                    std::to_string(weekday));
  }
  void KeepOnTop() override { calls.push_back("top"); }
  bool QuizMode() const override { return quiz_mode; }
  void NextQuizLine() override { calls.push_back("quiz"); }

  std::string real_time;
  std::string summary_line;
};

ClockReading At(int32_t hhmmss, int weekday = 3) {
  return {hhmmss / 10000, hhmmss / 100 % 100, hhmmss % 100, weekday};
}

// The check a tick at `hhmmss` makes, with the game time of that very second.
std::string CheckAt(int32_t hhmmss) {
  const ClockReading r = At(hhmmss);
  const auto game =
      ComputeGameTime(FindScheduleRows(hhmmss), r.hour * 3600 + r.minute * 60 + r.second);
  return "check " + std::to_string(hhmmss / 100) + " " + std::to_string(game->game_hhmm) + " 3";
}

class ClockTickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildSchedule();
    tick.Reset();
  }
  // Ticks through `times` and returns the calls each made.
  std::vector<std::vector<std::string>> Run(std::initializer_list<int32_t> times) {
    std::vector<std::vector<std::string>> out;
    for (int32_t t : times) {
      strip.calls.clear();
      tick.Tick(At(t));
      out.push_back(strip.calls);
    }
    return out;
  }
  RecordingStrip strip;
  ClockTick tick{strip};
};

using Calls = std::vector<std::string>;

TEST_F(ClockTickTest, ReplaysTheGameHourChangeInMishi) {
  Run({930});  // first tick: start-up blink and load, out of the way
  Run({931, 932, 933, 934});
  const struct {
    int32_t t;
    const char* pane;
    int32_t game_hhmm;
    int counter;
    Calls calls;
  } rows[] = {
      {935, "13:59:56", 1359, 0, {}},
      {936, "14:00:04", 1400, 1, {"blink on"}},
      {937, "14:00:12", 1400, 2, {}},
      {938, "14:00:21", 1400, 3, {}},
      {939, "14:00:30", 1400, 0, {"blink off"}},
      {940, "14:00:37", 1400, 0, {"check 9 1400 3", "top"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.t);
    strip.calls.clear();
    tick.Tick(At(row.t));
    EXPECT_EQ(strip.pane, row.pane);
    EXPECT_EQ(tick.game_hhmm(), row.game_hhmm);
    EXPECT_EQ(tick.real_hhmm(), 9);
    EXPECT_EQ(tick.blink_counter(), row.counter);
    EXPECT_EQ(strip.calls, row.calls);
  }
  EXPECT_EQ(strip.real_time, "00:09:40");
  EXPECT_EQ(strip.summary_line, "미(13)>07:07>신(15) ");
}

TEST_F(ClockTickTest, RealTimeUsesTheSystemTimeSeparator) {
  Run({90507});
  EXPECT_EQ(strip.real_time, "09:05:07");
  tick.set_time_separator(".");
  Run({90508});
  EXPECT_EQ(strip.real_time, "09.05.08");
}

TEST_F(ClockTickTest, StartUpBlinksLoadsAndChecksWithoutReassertingTopMost) {
  const auto calls = Run({1000, 1001, 1002, 1003, 1004});
  EXPECT_EQ(calls[0], (Calls{"blink on", "load", "check 10 1403 3"}));
  EXPECT_EQ(calls[1], Calls{});
  EXPECT_EQ(calls[2], Calls{});
  EXPECT_EQ(calls[3], Calls{"blink off"});
  EXPECT_EQ(calls[4], Calls{});
  EXPECT_EQ(strip.real_time, "00:10:04");
}

TEST_F(ClockTickTest, ChecksOnlyAtWholeTenSeconds) {
  Run({120005, 120006, 120007, 120008});  // the start-up blink is over
  const auto calls = Run({120010, 120011, 120015, 120019, 120020});
  EXPECT_EQ(calls[0].size(), 2u);
  EXPECT_EQ(calls[0][1], "top");
  EXPECT_EQ(calls[1], Calls{});
  EXPECT_EQ(calls[2], Calls{});
  EXPECT_EQ(calls[3], Calls{});
  EXPECT_EQ(calls[4].back(), "top");
  // A skipped :x0 second is not made up.
  EXPECT_EQ(Run({120029, 120031})[1], Calls{});
}

TEST_F(ClockTickTest, ReloadRequestLoadsAtTheNextTickWhateverItsSecond) {
  Run({120005, 120006, 120007, 120008});
  tick.RequestAlarmReload();
  auto calls = Run({120010})[0];
  EXPECT_EQ(calls, (Calls{"load", "check 1200 " + std::to_string(tick.game_hhmm()) + " 3"}));
  calls = Run({120020})[0];
  EXPECT_EQ(calls, (Calls{"check 1200 " + std::to_string(tick.game_hhmm()) + " 3", "top"}));
}

TEST_F(ClockTickTest, RealAndGameHourChangeOnOneTickStartOneBlink) {
  Run({15955});
  Run({15956, 15957, 15958, 15959});
  strip.calls.clear();
  tick.Tick(At(20000));
  EXPECT_EQ(strip.pane, "22:00:06");
  EXPECT_EQ(strip.calls, (Calls{"blink on", "check 200 2200 3", "top"}));
  EXPECT_EQ(tick.blink_counter(), 1);
  const auto after = Run({20001, 20002, 20003});
  EXPECT_EQ(after[2], Calls{"blink off"});
}

TEST_F(ClockTickTest, RealHourChangeBlinks) {
  Run({145955, 145956, 145957, 145958, 145959});
  EXPECT_EQ(tick.blink_counter(), 0);
  EXPECT_EQ(Run({150000})[0].front(), "blink on");
}

TEST_F(ClockTickTest, ChangeOnTheTickThatEndsABlinkIsDropped) {
  Run({20440, 20441, 20442, 20443, 20444, 20445, 20446});
  ASSERT_EQ(tick.blink_counter(), 0);
  // 02:04:47, the last second of 해시, already shows game 23:00:00: game hour 22 -> 23 on tick n.
  EXPECT_EQ(Run({20447})[0], Calls{"blink on"});
  EXPECT_EQ(strip.pane, "23:00:00");
  Run({20448, 20449});
  ASSERT_EQ(tick.blink_counter(), 3);
  // Tick n+3 sees the real hour 2 -> 3 (the timer may skip): the blink ends and the new change is
  // dropped, but its hour is stored.
  EXPECT_EQ(Run({30002})[0], Calls{"blink off"});
  EXPECT_EQ(tick.blink_counter(), 0);
  EXPECT_EQ(Run({30003})[0], Calls{});
}

TEST_F(ClockTickTest, QuizLineChangesAtSecondZeroOnlyInQuizMode) {
  Run({120005});
  strip.quiz_mode = true;
  auto calls = Run({120059, 120100, 120101});
  EXPECT_EQ(std::count(calls[0].begin(), calls[0].end(), "quiz"), 0);
  EXPECT_EQ(calls[1].back(), "quiz");
  EXPECT_EQ(std::count(calls[2].begin(), calls[2].end(), "quiz"), 0);
  strip.quiz_mode = false;
  calls = Run({120200});
  EXPECT_EQ(std::count(calls[0].begin(), calls[0].end(), "quiz"), 0);
}

// A list that fails to load for two minutes is loaded again at every tick and reported once, and
// stops neither the top-most placement at :x0 nor the quiz line at :00; the first load that
// succeeds checks at once.
TEST_F(ClockTickTest, FailingLoadStopsNoOtherDuty) {
  class FailingStrip : public RecordingStrip {
   public:
    bool fail = true;
    void LoadAlarmList() override {
      RecordingStrip::LoadAlarmList();
      if (fail) throw std::runtime_error("List index out of bounds (6)");
    }
  } failing;
  failing.quiz_mode = true;
  ClockTick t(failing);
  TickFailureReport report;
  std::vector<std::string> reports;
  for (int s = 5050; s < 5250; s = (s % 100 == 59 ? s + 41 : s + 1)) {
    for (std::string& text : report.Run(t, At(s))) reports.push_back(text);
  }
  EXPECT_EQ(reports, Calls{"List index out of bounds (6)"});
  EXPECT_EQ(std::count(failing.calls.begin(), failing.calls.end(), "load"), 120);
  EXPECT_EQ(std::count(failing.calls.begin(), failing.calls.end(), "top"), 12);
  EXPECT_EQ(std::count(failing.calls.begin(), failing.calls.end(), "quiz"), 2);
  EXPECT_EQ(std::count_if(failing.calls.begin(), failing.calls.end(),
                          [](const std::string& c) { return c.starts_with("check"); }),
            0);
  EXPECT_FALSE(t.first_tick_done());
  failing.fail = false;
  failing.calls.clear();
  EXPECT_TRUE(report.Run(t, At(5250)).empty());
  EXPECT_EQ(failing.calls, (Calls{"load", CheckAt(5250)}));
  EXPECT_TRUE(t.first_tick_done());
}

// Whichever duty throws, the tick's other duties run, on the game time of this tick; its failure
// is reported once, and again after the duty has once run without failing.
TEST_F(ClockTickTest, EachDutyFailsOnItsOwn) {
  class ThrowingStrip : public RecordingStrip {
   public:
    std::string failing;
    void Fail(const std::string& call) {
      if (call == failing) throw std::runtime_error(call + " failed");
    }
    void ShowGameTexts(const std::string& pane_text, const std::string& summary) override {
      Fail("texts");
      RecordingStrip::ShowGameTexts(pane_text, summary);
    }
    void SetBlinking(bool on) override { RecordingStrip::SetBlinking(on), Fail("blink on"); }
    void CheckAlarms(int32_t real, int32_t game, int weekday) override {
      RecordingStrip::CheckAlarms(real, game, weekday), Fail("check");
    }
    void KeepOnTop() override { RecordingStrip::KeepOnTop(), Fail("top"); }
    void NextQuizLine() override { RecordingStrip::NextQuizLine(), Fail("quiz"); }
  };
  for (const char* failing : {"texts", "blink on", "check", "top", "quiz"}) {
    SCOPED_TRACE(failing);
    ThrowingStrip strip;
    strip.quiz_mode = true;
    ClockTick t(strip);
    TickFailureReport report;
    report.Run(t, At(125955));  // the first load, and its blink, out of the way
    for (int32_t s : {125956, 125957, 125958, 125959}) report.Run(t, At(s));
    const struct {
      int32_t t;
      bool fails;
      Calls reports;
    } rows[] = {
        {130000, true, {std::string(failing) + " failed"}},
        {140000, true, {}},
        {150000, false, {}},
        {160000, true, {std::string(failing) + " failed"}},
    };
    for (const auto& row : rows) {
      strip.failing = row.fails ? failing : "";
      strip.calls.clear();
      EXPECT_EQ(report.Run(t, At(row.t)), row.reports);
      EXPECT_EQ(strip.calls, (Calls{"blink on", CheckAt(row.t), "top", "quiz"}));
      EXPECT_EQ(strip.real_time, HhmmssToText(row.t));
    }
  }
}

// The player hears of a failing tick once per distinct message; failures shown where they
// happened say nothing more, and every tick runs afresh.
TEST_F(ClockTickTest, FailingTicksReportEachDistinctMessageOnce) {
  class ThrowingStrip : public RecordingStrip {
   public:
    std::function<void()> on_load;
    void LoadAlarmList() override { on_load(); }
  } throwing;
  ClockTick t(throwing);
  TickFailureReport report;
  const struct {
    std::function<void()> load;
    std::optional<std::string> shown;
  } rows[] = {
      {[] { throw std::runtime_error("List index out of bounds (6)"); },
       "List index out of bounds (6)"},
      {[] { throw std::runtime_error("List index out of bounds (6)"); }, std::nullopt},
      {[] { throw ReportedError("shown by the alarm list itself"); }, std::nullopt},
      {[] { throw std::runtime_error("'2O00' is not a valid integer value"); },
       "'2O00' is not a valid integer value"},
      {[] { throw 42; }, "Unknown error"},
      {[] { throw 42; }, std::nullopt},
      {[] { throw std::runtime_error("List index out of bounds (6)"); },
       "List index out of bounds (6)"},
      {[] {}, std::nullopt},
  };
  int second = 3;
  for (const auto& row : rows) {
    SCOPED_TRACE(second);
    throwing.on_load = row.load;
    const std::vector<std::string> shown = report.Run(t, At(120000 + second));
    EXPECT_EQ(shown, row.shown ? Calls{*row.shown} : Calls{});
    // Every tick, failed or not, has shown its own real time first.
    EXPECT_EQ(throwing.real_time, "12:00:" + TwoDigits(second));
    ++second;
  }
  EXPECT_TRUE(t.first_tick_done());
}

TEST(ClockReadingTest, WeekdayRunsFromMondayOneToSundaySeven) {
  const int sunday_zero[] = {0, 1, 2, 3, 4, 5, 6};
  const int weekday[] = {7, 1, 2, 3, 4, 5, 6};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(WeekdayFromSundayZero(sunday_zero[i]), weekday[i]);
}

// Timer1 aims just past each wall-clock second; an early reading waits for the next second, a
// late one ticks at once and the seconds it missed are not made up.
TEST(TickTimingTest, AimsJustPastEachSecondAndTicksEachSecondOnce) {
  TickTiming timing;
  const struct {
    int32_t hhmmss;
    int ms;
    TickTiming::Step step;
  } rows[] = {
      {120000, 0, {true, 1010}},  {120001, 12, {true, 998}},  {120001, 995, {false, 15}},
      {120002, 3, {true, 1007}},  {120004, 400, {true, 610}}, {120004, 999, {false, 11}},
      {120005, 10, {true, 1000}}, {120006, 999, {true, 11}},  {120007, 0, {true, 1010}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.hhmmss) + "." + std::to_string(row.ms));
    EXPECT_EQ(timing.OnTimer(At(row.hhmmss), row.ms), row.step);
  }
  EXPECT_EQ(DelayToNextTick(0), 1000 + kTickMarginMs);
  EXPECT_EQ(DelayToNextTick(999), 1 + kTickMarginMs);
}

}  // namespace
}  // namespace tavlin
