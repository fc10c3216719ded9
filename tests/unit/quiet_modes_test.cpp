#include "alarms/quiet_modes.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

constexpr int64_t At(int h, int m, int s = 0) {
  return 20794 * 86400LL + h * 3600 + m * 60 + s;  // on 2026-12-07
}

TEST(QuietModesTest, AnHourOfQuietEndsAfterItsHourOrWhenTheClockGoesBackBeforeIt) {
  const struct {
    int64_t start, now;
    const char* text;
  } rows[] = {
      {At(21, 35, 20), At(22, 35, 19), "소리 끔 · 22:35까지"},
      {At(21, 35, 20), At(22, 35, 20), "1시간 동안 소리 끄기(&M)"},
      {At(23, 30), At(23, 59), "소리 끔 · 00:30까지"},
      {At(21, 35), At(20, 35), "1시간 동안 소리 끄기(&M)"},  // the clock set back an hour
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.now);
    QuietHour mute;
    mute.Start(row.start);
    EXPECT_EQ(MuteMenuText(mute, row.now), row.text);
  }
}

TEST(QuietModesTest, HeldNoticesGoOldestFirstAndMoreThanThreeAsOneSummary) {
  const struct {
    int held, max_lines;
    std::vector<std::string> popups;  // "title|text"
  } rows[] = {
      {3, 5, {"알림 1 |본문", "알림 2 |본문", "알림 3 |본문"}},
      {5,
       5,
       {"모아 둔 알림 5개|20:01 알림 1\r20:02 알림 2\r20:03 알림 3\r20:04 알림 4\r20:05 알림 5"}},
      {9, 5, {"모아 둔 알림 9개|20:01 알림 1\r20:02 알림 2\r20:03 알림 3\r20:04 알림 4\r외 5개"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.held);
    std::vector<HeldNotice> held;  // newest first, as a shuffled queue might give them
    for (int i = row.held; i >= 1; --i)
      held.push_back({At(20, i), "알림 " + std::to_string(i) + " ", "본문", 0});
    std::vector<std::string> popups;
    for (const HeldNotice& notice : ReleaseHeldNotices(held, row.max_lines, 0)) {
      popups.push_back(notice.title + "|" + notice.text);
    }
    EXPECT_EQ(popups, row.popups);
  }
}

TEST(QuietModesTest, OnlyAWindowCoveringItsWholeMonitorIsFullScreen) {
  const Rect first{0, 0, 1920, 1080}, second{1920, 0, 3200, 1024};
  const ForegroundKind program = ForegroundKind::kProgram;
  const struct {
    ForegroundKind kind;
    bool maximised;
    Rect window, monitor;
    bool fills;
  } rows[] = {
      {program, true, {-8, -8, 1928, 1048}, first, false},  // maximised beside the task bar
      {program, true, {-8, -8, 1928, 1088}, first, false},  // maximised, task bar auto-hidden
      {program, false, second, second, true},               // full screen on another monitor
      {program, false, {-1, -1, 1921, 1081}, first, true},  // borderless full screen
      {program, false, {0, 0, 1920, 1079}, first, false},
      {ForegroundKind::kDesktop, false, first, first, false},
      {ForegroundKind::kTavlin, false, first, first, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.window.left) + "," + std::to_string(row.window.bottom));
    EXPECT_EQ(FillsItsMonitor(row.kind, row.maximised, row.window, row.monitor), row.fills);
  }
}

}  // namespace
}  // namespace tavlin
