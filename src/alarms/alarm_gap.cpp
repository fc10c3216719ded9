#include "alarms/alarm_gap.h"

#include <algorithm>

#include "base/player_files.h"
#include "base/text.h"
#include "clock/game_minutes.h"

namespace tavlin {

namespace {

// Follows an alarm's window minute by minute of its clock through a gap and keeps the last due
// time whose window closed again inside it.
class WindowWatch {
 public:
  explicit WindowWatch(bool open_at_start) : open_(open_at_start) {}
  void At(int64_t moment, bool open) {
    if (open && !open_) opened_ = moment;
    if (!open && open_ && opened_) missed_ = opened_;
    if (!open) opened_.reset();
    open_ = open;
  }
  std::optional<int64_t> missed() const { return missed_; }

 private:
  bool open_;
  std::optional<int64_t> opened_;  // when the window now open opened inside the gap
  std::optional<int64_t> missed_;
};

bool RealClockOpen(const TtavlinAlarm& alarm, int64_t minute) {
  const int64_t moment = minute * 60;
  const int32_t second = SecondOfDay(moment);
  const int weekday = WeekdayOfDay(DayOf(moment));
  return AlarmWindowOpen(alarm, second / 3600 * 100 + second / 60 % 60) &&
         (alarm.RepeatDay == 0 || alarm.RepeatDay == weekday);
}

std::optional<int64_t> RealClockMissed(const TtavlinAlarm& alarm, int64_t from, int64_t to) {
  const int64_t first = DayOf(from) * 1440 + SecondOfDay(from) / 60;  // minute holding `from`
  WindowWatch watch(RealClockOpen(alarm, first));
  for (int64_t minute = first + 1; minute * 60 <= to; ++minute) {
    watch.At(minute * 60, RealClockOpen(alarm, minute));
  }
  return watch.missed();
}

std::optional<int64_t> GameClockMissed(const TtavlinAlarm& alarm, int64_t from, int64_t to) {
  // A game-clock alarm with a repeat day never fires.
  const std::vector<GameMinuteStart>& starts = GameMinuteStarts();
  if (alarm.RepeatDay != 0 || starts.empty()) return std::nullopt;
  int64_t day = DayOf(from);
  size_t i = GameMinuteAt(SecondOfDay(from));
  WindowWatch watch(AlarmWindowOpen(alarm, starts[i].game_hhmm));
  for (;;) {
    if (++i == starts.size()) {
      i = 0;
      ++day;
    }
    const int64_t moment = day * kSecondsPerDay + starts[i].second;
    if (moment > to) break;
    watch.At(moment, AlarmWindowOpen(alarm, starts[i].game_hhmm));
  }
  return watch.missed();
}

}  // namespace

std::optional<ClockGap> FindClockGap(int64_t last_wall, int64_t last_ms, int64_t now_wall,
                                     int64_t now_ms, bool resumed) {
  const int64_t wall_ms = (now_wall - last_wall) * 1000;
  const int64_t unseen_ms = resumed ? wall_ms : wall_ms - (now_ms - last_ms);
  if (wall_ms <= kShortestGapSeconds * 1000 || unseen_ms <= kShortestGapSeconds * 1000) {
    return std::nullopt;
  }
  return ClockGap{last_wall, now_wall};
}

std::vector<MissedAlarm> MissedAlarms(const AlarmTable& table, const ClockGap& gap) {
  std::vector<MissedAlarm> missed;
  const int64_t from = std::max(gap.from, gap.to - kLongestGapSeconds);
  for (int k = 1; k <= kAlarmCapacity && table.records[k].Kind > 0; ++k) {
    const TtavlinAlarm& alarm = table.records[k];
    std::optional<int64_t> due;
    if (alarm.Kind == kRealTimeAlarm) due = RealClockMissed(alarm, from, gap.to);
    if (alarm.Kind == kGameTimeAlarm || alarm.Kind == kGameTimeColourAlarm) {
      due = GameClockMissed(alarm, from, gap.to);
    }
    if (due) missed.push_back({*due, alarm.Subject});
  }
  return missed;
}

std::string MissedAlarmsText(const std::vector<MissedAlarm>& missed) {
  std::string text;
  for (const MissedAlarm& alarm : missed) {
    const int32_t second = SecondOfDay(alarm.due);
    if (!text.empty()) text += "\r";
    text += TwoDigits(second / 3600) + ":" + TwoDigits(second / 60 % 60) + " " + alarm.subject;
  }
  return text;
}

bool AnnounceMissedAlarms(const AlarmTable& table, const ClockGap& gap, bool sound_on,
                          AlarmAnnouncer& announcer) {
  if (table.alarms_off) return false;
  const std::vector<MissedAlarm> missed = MissedAlarms(table, gap);
  if (missed.empty()) return false;
  announcer.Announce(
      Notice{kMissedAlarmsTitle, MissedAlarmsText(missed), ColourFromBgr(kNeutralAlarmColour)});
  if (sound_on) announcer.PlaySound();
  return true;
}

}  // namespace tavlin
