#include "alarms/quiet_modes.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

constexpr int64_t kDay = 20794 * 86400LL;  // 2026-12-07 00:00:00
constexpr int64_t At(int h, int m, int s = 0) {
  return kDay + h * 3600 + m * 60 + s;
}

TEST(QuietModesTest, AnHourOfQuietEndsAfterItsHourOrWhenTheClockGoesBackBeforeIt) {
  QuietHour mute;
  EXPECT_EQ(MuteMenuText(mute, At(21, 0)), "1시간 동안 소리 끄기(&M)");
  const struct {
    int64_t start, now;
    const char* text;
  } rows[] = {
      {At(21, 35, 20), At(21, 35, 20), "소리 끔 · 22:35까지"},
      {At(21, 35, 20), At(22, 35, 19), "소리 끔 · 22:35까지"},
      {At(21, 35, 20), At(22, 35, 20), "1시간 동안 소리 끄기(&M)"},
      {At(23, 30), At(23, 59), "소리 끔 · 00:30까지"},
      {At(21, 35), At(20, 35), "1시간 동안 소리 끄기(&M)"},  // the clock set back an hour
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.now - kDay);
    mute.Start(row.start);
    EXPECT_EQ(MuteMenuText(mute, row.now), row.text);
  }
  mute.Stop();
  EXPECT_FALSE(mute.On(At(23, 31)));
}

TEST(QuietModesTest, HeldNoticesGoOldestFirstAndMoreThanThreeAsOneSummary) {
  const auto held = [](int n) {
    std::vector<HeldNotice> notices;
    for (int i = n; i >= 1; --i) {
      notices.push_back({At(20, i), "알림 " + std::to_string(i) + " ", "본문", 10092441});
    }
    return notices;
  };
  const struct {
    int held, max_lines;
    std::vector<std::string> popups;  // "title|text"
  } rows[] = {
      {0, 5, {}},
      {3, 5, {"알림 1 |본문", "알림 2 |본문", "알림 3 |본문"}},
      {4, 5, {"모아 둔 알림 4개|20:01 알림 1\r20:02 알림 2\r20:03 알림 3\r20:04 알림 4"}},
      {5,
       5,
       {"모아 둔 알림 5개|20:01 알림 1\r20:02 알림 2\r20:03 알림 3\r20:04 알림 4\r20:05 알림 5"}},
      {9, 5, {"모아 둔 알림 9개|20:01 알림 1\r20:02 알림 2\r20:03 알림 3\r20:04 알림 4\r외 5개"}},
      {4, 1, {"모아 둔 알림 4개|외 4개"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.held) + " held, " + std::to_string(row.max_lines) + " lines");
    std::vector<std::string> popups;
    for (const HeldNotice& notice : ReleaseHeldNotices(held(row.held), row.max_lines, 16764057)) {
      popups.push_back(notice.title + "|" + notice.text);
    }
    EXPECT_EQ(popups, row.popups);
  }
}

TEST(QuietModesTest, OnlyAWindowCoveringItsWholeMonitorIsFullScreen) {
  const Rect first{0, 0, 1920, 1080}, second{1920, 0, 3200, 1024};
  const struct {
    const char* name;
    ForegroundKind kind;
    bool maximised;
    Rect window, monitor;
    bool fills;
  } rows[] = {
      {"maximised with the task bar",
       ForegroundKind::kProgram,
       true,
       {-8, -8, 1928, 1048},
       first,
       false},
      {"maximised, task bar hidden",
       ForegroundKind::kProgram,
       true,
       {-8, -8, 1928, 1088},
       first,
       false},
      {"full screen on another monitor", ForegroundKind::kProgram, false, second, second, true},
      {"borderless, a little larger",
       ForegroundKind::kProgram,
       false,
       {-1, -1, 1921, 1081},
       first,
       true},
      {"one pixel short of the bottom",
       ForegroundKind::kProgram,
       false,
       {0, 0, 1920, 1079},
       first,
       false},
      {"the desktop", ForegroundKind::kDesktop, false, first, first, false},
      {"tavlin's own window", ForegroundKind::kTavlin, false, first, first, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FillsItsMonitor(row.kind, row.maximised, row.window, row.monitor), row.fills);
  }
}

}  // namespace
}  // namespace tavlin
