#include "timetable/timetable_texts.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "clock/game_time.h"
#include "clock/schedule.h"

namespace tavlin {
namespace {

using Row = std::array<std::string, kTimeGridColumns>;

class TimeGridTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildSchedule(); }
};

int32_t SecondsToHhmmss(int32_t n) {
  return n / 3600 * 10000 + n % 3600 / 60 * 100 + n % 60;
}

// "hh:mm:ss" at the start of a cell text, as seconds of the day.
int32_t StartSeconds(const std::string& cell) {
  return std::stoi(cell.substr(0, 2)) * 3600 + std::stoi(cell.substr(3, 2)) * 60 +
         std::stoi(cell.substr(6, 2));
}

TEST_F(TimeGridTest, HeaderAndCaption) {
  const Row header = {"게임속 시진", "현실시간~(지속)", "다음시간1", "다음시간2", "다음시간3"};
  for (int32_t present : {0, 100000, 235959}) {
    SCOPED_TRACE(present);
    EXPECT_EQ(ShowTimeGrid(present)[0], header);
  }
  EXPECT_EQ(TimetableCaption(), "Ondrela 게임시간표(중국자료)");
  EXPECT_EQ(HourLabelList()[0], "게임시간간격");
  EXPECT_EQ(HourDurationList()[0], "현실지속시간");
}

TEST_F(TimeGridTest, RowsAtKnownTimes) {
  struct Case {
    int32_t present;
    int row;
    Row texts;
  };
  const Case cases[] = {
      {100000,
       1,
       {"해시(亥時) 21~23", "09:55:12~(09:36)", "13:55:12 ~", "17:55:12 ~", "21:55:12 ~"}},
      {100000,
       2,
       {"자시(子時) 23~01", "10:04:48~(04:48)", "14:04:48 ~", "18:04:48 ~", "22:04:48 ~"}},
      {230000,
       4,
       {"미시(未時) 13~15", "00:02:24~(14:24)", "04:02:24 ~", "08:02:24 ~", "12:02:24 ~"}},
      // A start equal to the present second already counts: 10:04:48 begins 자시 in row 1.
      {100448,
       1,
       {"자시(子時) 23~01", "10:04:48~(04:48)", "14:04:48 ~", "18:04:48 ~", "22:04:48 ~"}},
      // The last second of 해시 still shows 해시.
      {100447,
       1,
       {"해시(亥時) 21~23", "09:55:12~(09:36)", "13:55:12 ~", "17:55:12 ~", "21:55:12 ~"}},
      {224, 1, {"미시(未時) 13~15", "00:02:24~(14:24)", "04:02:24 ~", "08:02:24 ~", "12:02:24 ~"}},
      {224, 12, {"오시(午時) 11~13", "03:55:12~(07:12)", "07:55:12 ~", "11:55:12 ~", "15:55:12 ~"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.present << " row " << c.row);
    EXPECT_EQ(ShowTimeGrid(c.present)[c.row], c.texts);
  }
  EXPECT_EQ(CurrentTimetableRow(100000), 29);
  EXPECT_EQ(CurrentTimetableRow(230000), 70);
}

// From 23:55:12 to 00:02:23 no row's range holds the present second; the double-hour in progress
// is then the midnight row 72, and the rows after it continue with row 1.
TEST_F(TimeGridTest, MidnightPeriod) {
  const Row first = {"오시(午時) 11~13", "23:55:12~(07:12)", "03:55:12 ~", "07:55:12 ~",
                     "11:55:12 ~"};
  const Row second = {"미시(未時) 13~15", "00:02:24~(14:24)", "04:02:24 ~", "08:02:24 ~",
                      "12:02:24 ~"};
  for (int32_t present : {235512, 235959, 0, 1, 223}) {
    SCOPED_TRACE(present);
    EXPECT_EQ(CurrentTimetableRow(present), 72);
    const TimeGridTexts grid = ShowTimeGrid(present);
    EXPECT_EQ(grid[1], first);
    EXPECT_EQ(grid[2], second);
  }
  EXPECT_EQ(CurrentTimetableRow(235511), 71);
  EXPECT_EQ(ShowTimeGrid(235511)[1][1], "23:31:12~(24:00)");
}

// Over the whole day the grid lists twelve consecutive double-hours starting with the one in
// progress, as the schedule lookup of the clock sees it, with their own labels and lengths.
TEST_F(TimeGridTest, EveryRowFollowsTheScheduleOverTheDay) {
  const char* const names[12] = {"미시", "신시", "유시", "술시", "해시", "자시",
                                 "축시", "인시", "묘시", "진시", "사시", "오시"};
  std::vector<int32_t> presents;
  for (int32_t n = 0; n < 86400; n += 37) presents.push_back(SecondsToHhmmss(n));
  for (int r = 1; r <= kScheduleRows; ++r) {
    presents.push_back(Schedule()[r].RealStart);
    presents.push_back(Schedule()[r].RealEnd);
  }
  for (int32_t present : presents) {
    SCOPED_TRACE(present);
    const TimeGridTexts grid = ShowTimeGrid(present);
    const auto lookup = FindScheduleRows(present);
    ASSERT_EQ(lookup.size(), 12u);
    // Row 1 is the double-hour the clock shows.
    EXPECT_EQ(StartSeconds(grid[1][1]), HhmmssToSeconds(std::stoi(lookup[0])));
    EXPECT_EQ(grid[1][0].rfind(lookup[4], 0), 0u) << grid[1][0];
    EXPECT_EQ(StartSeconds(grid[2][1]), HhmmssToSeconds(std::stoi(lookup[6])));

    int name = -1;
    for (int i = 0; i < 12; ++i) {
      if (grid[1][0].rfind(names[i], 0) == 0) name = i;
    }
    ASSERT_GE(name, 0) << grid[1][0];
    int32_t elapsed = 0;
    for (int j = 1; j <= 12; ++j) {
      SCOPED_TRACE(j);
      const int i = (name + j - 1) % 12;
      EXPECT_EQ(grid[j][0], HourLabelList()[i + 1]);
      const std::string& duration = HourDurationList()[i + 1];
      EXPECT_EQ(grid[j][1].substr(8), "~(" + duration + ")");
      // Each double-hour starts where the one above it ends.
      const int32_t start = StartSeconds(grid[j][1]);
      if (j > 1) {
        EXPECT_EQ(start, (StartSeconds(grid[j - 1][1]) + elapsed) % 86400);
      }
      elapsed = std::stoi(duration.substr(0, 2)) * 60 + std::stoi(duration.substr(3, 2));
      // The same double-hour one, two and three game days (four real hours each) later.
      for (int c = 2; c <= 4; ++c) {
        EXPECT_EQ(StartSeconds(grid[j][c]), (start + (c - 1) * 14400) % 86400);
        EXPECT_EQ(grid[j][c].substr(8), " ~");
      }
    }
  }
}

TEST(CellText, CentredWithTruncatingDivision) {
  EXPECT_EQ(CenteredTextLeft(0, 115, 96), 9);      // 19 / 2
  EXPECT_EQ(CenteredTextLeft(116, 231, 90), 128);  // 25 / 2
  EXPECT_EQ(CenteredTextLeft(10, 90, 80), 10);
  EXPECT_EQ(CenteredTextLeft(10, 90, 83), 9);   // -3 / 2 is -1, not -2
  EXPECT_EQ(CenteredTextLeft(10, 90, 81), 10);  // -1 / 2 is 0
}

// The window is sized to hold this block whole: its lines grow from 1 to 2 pixels at 144 DPI.
TEST(CellBlock, GrowsFasterThanTheDpi) {
  EXPECT_EQ(TimeGridCellsSize(96), (Size{475, 221}));   // inside 478 x 224
  EXPECT_EQ(TimeGridCellsSize(144), (Size{716, 338}));  // 173 + 173 + 3 x 120, 10 lines; 13 x 26
  EXPECT_EQ(TimeGridCellsSize(168), (Size{832, 390}));
}

}  // namespace
}  // namespace tavlin
