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
  std::string failing;  // calls starting with it throw "<failing> failed" once recorded

  void Record(const std::string& call) {
    calls.push_back(call);
    if (!failing.empty() && call.starts_with(failing))
      throw std::runtime_error(failing + " failed");
  }
  void ShowRealTime(const std::string& text) override { real_time = text; }
  void ShowGameTexts(const std::string& pane_text, const std::string& summary) override {
    if (failing == "texts") throw std::runtime_error("texts failed");
    pane = pane_text;
    summary_line = summary;
  }
  void SetBlinking(bool on) override { Record(on ? "blink on" : "blink off"); }
  void LoadAlarmList() override { Record("load"); }
  void CheckAlarms(int32_t real, int32_t game, const ClockReading& now) override {
    Record("check " + std::to_string(real) + " " + std::to_string(game) + " " +
           std::to_string(now.weekday));
  }
  void KeepOnTop() override { Record("top"); }
  bool QuizMode() const override { return quiz_mode; }
  void NextQuizLine() override { Record("quiz"); }

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

// From 12:59:50 to 13:02:00 one duty fails at every tick but 13:01:00. The others still run: the
// top-most placement at every :x0 but the one of the tick that loaded the list, the quiz line at
// every :00, the checks on each tick's own game time. A failed load leaves the check off and is
// tried again at every tick. A failure is reported once, and again after the duty once succeeded.
TEST_F(ClockTickTest, EachDutyFailsOnItsOwn) {
  const struct {
    const char* failing;
    size_t reports, checks;
  } rows[] = {{"texts", 2, 14}, {"blink", 1, 14}, {"load", 1, 7},
              {"check", 2, 77}, {"top", 2, 14},   {"quiz", 2, 14}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.failing);
    RecordingStrip strip;
    strip.quiz_mode = true;
    ClockTick t(strip);
    TickFailureReport report;
    std::vector<std::string> reports;
    for (int second = 46790; second <= 46920; ++second) {  // 12:59:50 .. 13:02:00
      const int32_t s = second / 3600 * 10000 + second / 60 % 60 * 100 + second % 60;
      strip.failing = s == 130100 ? "" : row.failing;
      for (std::string& text : report.Run(t, At(s))) reports.push_back(text);
    }
    const auto count = [&](const std::string& call) {
      return std::count_if(strip.calls.begin(), strip.calls.end(),
                           [&](const std::string& c) { return c.starts_with(call); });
    };
    EXPECT_EQ(reports, Calls(row.reports, std::string(row.failing) + " failed"));
    EXPECT_EQ(count("top"), 13);
    EXPECT_EQ(count("quiz"), 3);
    EXPECT_EQ(count("check"), row.checks);
    EXPECT_EQ(strip.calls.back(), "quiz");
    EXPECT_EQ(strip.calls.rbegin()[2], CheckAt(130200));
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
// late one ticks at once and the seconds it missed are not made up. On time, a timer that runs
// once a second is left running: an idle second sets no timer.
TEST(TickTimingTest, AimsJustPastEachSecondAndTicksEachSecondOnce) {
  TickTiming timing;
  EXPECT_EQ(timing.Start(500), 500 + kTickMarginMs);
  const struct {
    int32_t hhmmss;
    int ms;
    TickTiming::Step step;
  } rows[] = {
      {120000, 0, {true, 1000}},  {120001, 12, {true, 0}},    {120001, 995, {false, 15}},
      {120002, 3, {true, 1000}},  {120003, 40, {true, 0}},    {120004, 400, {true, 610}},
      {120004, 999, {false, 11}}, {120005, 10, {true, 1000}}, {120006, 999, {true, 11}},
      {120007, 0, {true, 1000}},  {120008, 41, {true, 969}},  {120009, 10, {true, 1000}},
      {120010, 11, {true, 0}},
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
