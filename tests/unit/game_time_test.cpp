#include "clock/game_time.h"

#include <gtest/gtest.h>

#include "clock/schedule.h"
#include "game_time_oracle.h"

namespace tavlin {
namespace {

TEST(GameTimeTest, EdgeTable) {
  BuildSchedule();
  const struct {
    int32_t real;  // HHMMSS
    const char* pane;
    int32_t game_hhmm;
    const char* summary;
  } cases[] = {
      {224, "13:00:00", 1300, "미(13)>14:23>신(15) "},
      {1000, "14:03:24", 1403, "미(13)>06:47>신(15) "},
      {1647, "15:00:00", 1500, "미(13)>00:00>신(15) "},
      {1648, "15:00:00", 1500, "신(15)>45:35>유(17) "},
      {5223, "16:33:40", 1633, "신(15)>10:00>유(17) "},
      {21200, "01:40:06", 140, "축(01)>04:47>인(03) "},
      {62623, "05:00:00", 500, "인(03)>00:00>묘(05) "},
      {62624, "05:00:00", 500, "묘(05)>23:59>진(07) "},
      {235512, "11:00:00", 1100, "오(11)>07:11>미(13) "},
      {235959, "12:19:54", 1219, "오(11)>02:24>미(13) "},
      {0, "12:20:11", 1220, "오(11)>02:23>미(13) "},
      {223, "13:00:00", 1300, "오(11)>00:00>미(13) "},
      // 자시 runs from game 23:00 to 01:00.
      {20448, "23:00:00", 2300, "자(23)>04:47>축(01) "},
      {20935, "01:00:00", 100, "자(23)>00:00>축(01) "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.real);
    const int32_t n = HhmmssToSeconds(c.real);
    const auto texts = oracle::ComputeGameTime(FindScheduleRows(c.real), n);
    ASSERT_TRUE(texts.has_value());
    GameTimeTexts direct;
    ASSERT_TRUE(ComputeGameTimeAt(c.real, direct));
    for (const GameTimeTexts& t : {*texts, direct}) {
      EXPECT_EQ(t.pane, c.pane);
      EXPECT_EQ(t.game_hhmm, c.game_hhmm);
      EXPECT_EQ(t.summary, c.summary);
    }
  }
  EXPECT_FALSE(oracle::ComputeGameTime({}, 0).has_value());
}

// The tick's path reads the rows directly and reuses its strings; every second of the day it must
// give what the lookup's texts give, and a day's texts must fit the strings it has grown.
TEST(GameTimeTest, DirectPathMatchesLookupAllDay) {
  BuildSchedule();
  GameTimeTexts texts;
  ASSERT_TRUE(ComputeGameTimeAt(20448, texts));  // a longest summary: two three-byte names
  const char* pane_chars = texts.pane.data();
  const char* summary_chars = texts.summary.data();
  for (int32_t n = 0; n < 86400; ++n) {
    const int32_t t = n / 3600 * 10000 + n % 3600 / 60 * 100 + n % 60;
    const auto expected = oracle::ComputeGameTime(FindScheduleRows(t), n);
    ASSERT_TRUE(expected.has_value());
    ASSERT_TRUE(ComputeGameTimeAt(t, texts)) << t;
    ASSERT_EQ(texts.pane, expected->pane) << t;
    ASSERT_EQ(texts.summary, expected->summary) << t;
    ASSERT_EQ(texts.game_hhmm, expected->game_hhmm) << t;
  }
  EXPECT_EQ(texts.pane.data(), pane_chars);
  EXPECT_EQ(texts.summary.data(), summary_chars);
  const GameTimeTexts before = texts;
  EXPECT_FALSE(ComputeGameTimeAt(236000, texts));
  EXPECT_FALSE(ComputeGameTimeAt(-1, texts));
  EXPECT_EQ(texts.summary, before.summary);
}

}  // namespace
}  // namespace tavlin
