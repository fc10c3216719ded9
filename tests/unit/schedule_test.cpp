#include "clock/schedule.h"

#include <gtest/gtest.h>

#include "clock/game_time.h"
#include "game_time_oracle.h"

namespace tavlin {
namespace {

using Texts = std::vector<std::string>;

class ScheduleTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildSchedule(); }
};

TEST_F(ScheduleTest, RowsFollowTheFirstCycle) {
  const auto& s = Schedule();
  EXPECT_EQ(s[1].RealStart, 224);
  EXPECT_EQ(s[1].RealEnd, 1647);
  EXPECT_EQ(s[1].GameStart, 130000);
  EXPECT_EQ(s[1].GameEnd, 145959);
  EXPECT_EQ(s[1].HourName, "미시");
  EXPECT_EQ(s[1].DayNight, "낮");
  EXPECT_EQ(s[72].RealStart, 235512);
  EXPECT_EQ(s[72].RealEnd, 223);
  EXPECT_EQ(s[72].GameEnd, 125959);
  EXPECT_EQ(s[72].HourName, "오시");
  for (int k = 1; k <= 60; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ((s[k + 12].RealStart - s[k].RealStart + 240000) % 240000, 40000);
    EXPECT_EQ(s[k + 12].GameStart, s[k].GameStart);
    EXPECT_EQ(s[k + 12].HourName, s[k].HourName);
  }
  for (int k = 1; k <= 72; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(s[k].GameStart, (13 + 2 * ((k - 1) % 12)) % 24 * 10000);
    const bool day = k <= 3 || (k >= 10 && k <= 15) || (k >= 23 && k <= 25);
    EXPECT_EQ(s[k].DayNight, day ? "낮" : "밤");
  }
  // Building again writes the same values.
  const auto before = s;
  BuildSchedule();
  for (int k = 1; k <= 72; ++k) EXPECT_EQ(Schedule()[k].RealEnd, before[k].RealEnd);
}

TEST_F(ScheduleTest, LookupEdges) {
  const Texts row1 = {"224", "1647", "130000", "145959", "미시", "낮"};
  const Texts row2 = {"1648", "10223", "150000", "165959", "신시", "낮"};
  const Texts row71 = {"233112", "235511", "90000", "5959", "사시", "밤"};
  const Texts row72 = {"235512", "223", "110000", "125959", "오시", "밤"};
  auto joined = [](Texts a, const Texts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  EXPECT_EQ(FindScheduleRows(224), joined(row1, row2));
  EXPECT_EQ(FindScheduleRows(1647), joined(row1, row2));
  EXPECT_EQ(FindScheduleRows(1648)[0], "1648");
  EXPECT_EQ(FindScheduleRows(223), joined(row72, row1));
  EXPECT_EQ(FindScheduleRows(0), joined(row72, row1));
  EXPECT_EQ(FindScheduleRows(235511), joined(row71, row72));
  EXPECT_EQ(FindScheduleRows(235512), joined(row72, row1));
  EXPECT_EQ(FindScheduleRows(235959), joined(row72, row1));
  EXPECT_EQ(FindScheduleRows(62623)[4], "인시");
  EXPECT_EQ(FindScheduleRows(62624)[4], "묘시");
  EXPECT_EQ(FindScheduleRows(21000)[2], "10000");  // row 7's GameStart without leading zeros
  EXPECT_TRUE(FindScheduleRows(236000).empty());
  EXPECT_TRUE(FindScheduleRows(13560).empty());
  EXPECT_TRUE(FindScheduleRows(-1).empty());
}

// Every second of the day belongs to exactly one row, rows follow each other without gaps, and
// within a row the game time never goes backwards.
TEST_F(ScheduleTest, WholeDayProperties) {
  const auto& s = Schedule();
  int previous_row = 0;
  int32_t previous_game = -1;
  for (int32_t n = 0; n < 86400; ++n) {
    const int32_t t = n / 3600 * 10000 + n % 3600 / 60 * 100 + n % 60;
    int owners = 0;
    int owner = 0;
    for (int r = 1; r <= 72; ++r) {
      const bool inside = s[r].RealStart <= s[r].RealEnd ? s[r].RealStart <= t && t <= s[r].RealEnd
                                                         : t >= s[r].RealStart || t <= s[r].RealEnd;
      if (inside) ++owners, owner = r;
    }
    ASSERT_EQ(owners, 1) << "t=" << t;
    const Texts rows = FindScheduleRows(t);
    ASSERT_EQ(rows.size(), 12u) << "t=" << t;
    ASSERT_EQ(rows[0], std::to_string(s[owner].RealStart)) << "t=" << t;
    const int next = owner == 72 ? 1 : owner + 1;
    ASSERT_EQ(rows[6], std::to_string(s[next].RealStart));
    ASSERT_EQ(HhmmssToSeconds(s[next].RealStart), (HhmmssToSeconds(s[owner].RealEnd) + 1) % 86400);

    const auto game = oracle::ComputeGameTime(rows, n);
    ASSERT_TRUE(game.has_value());
    const int32_t game_seconds = [&] {
      const std::string& p = game->pane;
      return std::stoi(p.substr(0, 2)) * 3600 + std::stoi(p.substr(3, 2)) * 60 +
             std::stoi(p.substr(6, 2));
    }();
    if (t == s[owner].RealStart) {
      ASSERT_EQ(game_seconds, HhmmssToSeconds(s[owner].GameStart)) << "t=" << t;
    } else if (owner == previous_row) {
      // The game day wraps at midnight inside 자시 (23:00 to 01:00).
      const int32_t advance = (game_seconds - previous_game + 86400) % 86400;
      ASSERT_LT(advance, 7200) << "t=" << t;
    }
    previous_row = owner;
    previous_game = game_seconds;
  }
}

}  // namespace
}  // namespace tavlin
