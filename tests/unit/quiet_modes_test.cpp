#include "alarms/quiet_modes.h"

#include <gtest/gtest.h>

#include <sstream>

#include "alarms/quiet_gate.h"

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
      {At(21, 35, 20), At(22, 35, 19), "소리 끔 · 22:35까지(&M)"},
      {At(21, 35, 20), At(22, 35, 20), "1시간 동안 소리 끄기(&M)"},
      {At(23, 30), At(23, 59), "소리 끔 · 00:30까지(&M)"},
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

TEST(QuietModesTest, OnlyAProgramsWindowCoveringItsWholeMonitorIsFullScreen) {
  const Rect first{0, 0, 1920, 1080}, second{1920, 0, 3200, 1024};
  const struct {
    const char* class_name;
    bool tavlins_own;
    bool maximised;
    Rect window, monitor;
    bool fills;
  } rows[] = {
      {"Game", false, true, {-8, -8, 1928, 1048}, first, false},  // maximised beside the task bar
      {"Game", false, true, {-8, -8, 1928, 1088}, first, false},  // maximised, task bar hidden
      {"Game", false, false, second, second, true},               // full screen on another monitor
      {"Game", false, false, {-1, -1, 1921, 1081}, first, true},  // borderless full screen
      {"Game", false, false, {0, 0, 1920, 1079}, first, false},
      // The desktop and the shell cover the monitor without being a program in front of it.
      {"Progman", false, false, first, first, false},
      {"WorkerW", false, false, first, first, false},
      {"Shell_TrayWnd", false, false, first, first, false},
      {"", false, false, first, first, false},  // no foreground window
      {"TfrmPopUp", true, false, first, first, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.class_name) + " " + std::to_string(row.window.left) + "," +
                 std::to_string(row.window.bottom));
    EXPECT_EQ(FillsItsMonitor(ForegroundKindOf(row.class_name, row.tavlins_own), row.maximised,
                              row.window, row.monitor),
              row.fills);
  }
}

// The popups and sounds that get through the gate, in order.
class RecordingAnnouncer : public AlarmAnnouncer {
 public:
  std::vector<std::string> log;
  void Announce(const Notice& notice) override { log.push_back(notice.title); }
  void PlaySound() override { log.push_back("sound"); }
};

TEST(QuietModesTest, TheGateHoldsUntilNothingHoldsAndMutesOnlyTheSound) {
  // Steps "hh:mm what": "tick" (or "tick full": a program fills the screen), "mute", "hold",
  // "now" (show the held ones now), or "alarm NAME" (an alarm's popup with its sound).
  const struct {
    const char* name;
    std::vector<std::string> steps;
    std::vector<std::string> shown;
  } rows[] = {
      {"muted: popups without sound until the hour is over",
       {"10:00 mute", "10:10 alarm A", "10:59 tick", "10:59 alarm B", "11:00 tick",
        "11:00 alarm C"},
       {"A", "B", "C", "sound"}},
      {"ending the hold lets them go oldest first with one sound",
       {"10:00 hold", "10:10 alarm A", "10:20 alarm B", "10:30 hold", "10:40 alarm C"},
       {"A", "B", "sound", "C", "sound"}},
      {"the hour's end lets them go at the tick",
       {"10:00 hold", "10:10 alarm A", "10:59 tick", "11:00 tick", "11:01 tick"},
       {"A", "sound"}},
      {"a full screen holds until it goes, past the hour's end too",
       {"10:00 hold", "10:10 alarm A", "10:30 tick full", "10:30 hold", "11:10 alarm B",
        "11:20 tick full", "11:21 tick"},
       {"A", "B", "sound"}},
      {"more than three come as one summary",
       {"10:00 hold", "10:01 alarm A", "10:02 alarm B", "10:03 alarm C", "10:04 alarm D",
        "10:05 hold"},
       {"모아 둔 알림 4개", "sound"}},
      {"let go while muted: without sound",
       {"10:00 hold", "10:01 alarm A", "10:02 mute", "10:03 hold"},
       {"A"}},
      {"shown now once, whatever holds them",
       {"10:00 tick full", "10:01 alarm A", "10:02 now", "10:03 now", "10:04 tick"},
       {"A", "sound"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingAnnouncer out;
    QuietGate gate(out);
    bool full = false;  // as the last tick found the screen
    for (const std::string& step : row.steps) {
      std::istringstream in(step);
      int h = 0, m = 0;
      char colon = 0;
      std::string what, arg;
      in >> h >> colon >> m >> what >> arg;
      const int64_t now = At(h, m);
      if (what == "tick") gate.Tick(now, full = arg == "full");
      if (what == "mute") gate.SwitchMute(now);
      if (what == "hold") gate.SwitchHold(now);
      if (what == "now") gate.ReleaseNow();
      if (what == "alarm") {
        gate.Tick(now, full);  // the tick that checks the alarms
        gate.Announce(Notice{arg, "본문"});
        gate.PlaySound();
      }
    }
    EXPECT_EQ(out.log, row.shown);
    EXPECT_EQ(gate.held(), 0u);
  }
}

}  // namespace
}  // namespace tavlin
