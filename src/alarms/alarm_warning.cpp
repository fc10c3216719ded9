#include "alarms/alarm_warning.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/player_files.h"
#include "clock/game_minutes.h"

namespace tavlin {

namespace {

constexpr int32_t kMinutesPerDay = 1440;
constexpr int32_t kMinutesPerWeek = 7 * kMinutesPerDay;

bool RealClockDue(const TtavlinAlarm& alarm, int32_t minute_of_week) {
  const int32_t m = (minute_of_week % kMinutesPerWeek + kMinutesPerWeek) % kMinutesPerWeek;
  const int32_t hhmm = m % kMinutesPerDay / 60 * 100 + m % 60;
  const int weekday = m / kMinutesPerDay + 1;
  return AlarmWindowOpen(alarm, hhmm) && (alarm.RepeatDay == 0 || alarm.RepeatDay == weekday);
}

std::optional<int32_t> RealClockUntilDue(const TtavlinAlarm& alarm, int32_t now, int32_t within) {
  for (int32_t minute = now / 60 + 1; minute * 60 - now <= within; ++minute) {
    if (RealClockDue(alarm, minute) && !RealClockDue(alarm, minute - 1)) return minute * 60 - now;
  }
  return std::nullopt;
}

std::optional<int32_t> GameClockUntilDue(const TtavlinAlarm& alarm, int32_t now, int32_t within) {
  const std::vector<GameMinuteStart>& starts = GameMinuteStarts();
  if (starts.empty()) return std::nullopt;
  const int32_t today = now - now % kSecondsPerDay;
  size_t i = GameMinuteAt(now % kSecondsPerDay) + 1;
  for (int32_t day = today;; ++i) {
    if (i == starts.size()) {
      i = 0;
      day += kSecondsPerDay;
    }
    const int32_t until = day + starts[i].second - now;
    if (until > within) return std::nullopt;
    const GameMinuteStart& before = starts[i == 0 ? starts.size() - 1 : i - 1];
    if (AlarmWindowOpen(alarm, starts[i].game_hhmm) && !AlarmWindowOpen(alarm, before.game_hhmm)) {
      return until;
    }
  }
}

}  // namespace

int32_t SecondOfWeek(int weekday, int hour, int minute, int second) {
  return (weekday - 1) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

std::optional<int32_t> SecondsUntilDue(const TtavlinAlarm& alarm, int32_t now, int32_t within) {
  switch (alarm.Kind) {
    case kRealTimeAlarm:
      return RealClockUntilDue(alarm, now, within);
    case kGameTimeAlarm:
    case kGameTimeColourAlarm:
      // A game-clock alarm with a repeat day never fires; neither does its warning.
      if (alarm.RepeatDay != 0) return std::nullopt;
      return GameClockUntilDue(alarm, now, within);
    default:
      return std::nullopt;
  }
}

int32_t SecondOfWeekAt(int64_t moment) {
  return (WeekdayOfDay(DayOf(moment)) - 1) * kSecondsPerDay + SecondOfDay(moment);
}

bool CheckEarlyWarnings(AlarmTable& table, int64_t now, bool sound_on, bool alarms_fired,
                        AlarmAnnouncer& announcer) {
  if (table.alarms_off) return false;
  bool shown = false;
  const int32_t second_of_week = SecondOfWeekAt(now);
  for (int k = 1; k <= kAlarmCapacity && table.records[k].Kind > 0; ++k) {
    TtavlinAlarm& alarm = table.records[k];
    if (alarm.WarningMinutes <= 0) continue;
    // A due time that has come or gone is no longer one to be warned of.
    if (alarm.WarnedFor != kNotWarned && alarm.WarnedFor <= now) alarm.WarnedFor = kNotWarned;
    const std::optional<int32_t> until =
        SecondsUntilDue(alarm, second_of_week, alarm.WarningMinutes * 60);
    if (!until) continue;
    const int64_t due = now + *until;
    if (due == alarm.WarnedFor) continue;
    // The time actually left, in whole minutes rounded up: a warning shown late (a start or a
    // wake inside its lead) or one that only comes after the previous due time says so.
    announcer.Announce(
        AlarmNotice(alarm, std::to_string((*until + 59) / 60) + "분 전 · " + alarm.Subject));
    alarm.WarnedFor = due;
    shown = true;
  }
  if (!shown) return false;
  if (sound_on && !alarms_fired) announcer.PlaySound();
  return true;
}

}  // namespace tavlin
