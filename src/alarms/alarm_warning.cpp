#include "alarms/alarm_warning.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/player_files.h"
#include "clock/game_time.h"

namespace tavlin {

namespace {

constexpr int32_t kSecondsPerDay = 86400;
constexpr int32_t kMinutesPerDay = 1440;
constexpr int32_t kMinutesPerWeek = 7 * kMinutesPerDay;

// The game clock's minute from one real second of the day on, until the next entry.
struct GameMinuteStart {
  int32_t second;  // second of the real day
  int32_t game_hhmm;
};

// Every real second of the day at which the game clock shows a new minute, the first second of
// the day included. The same every day; worked out once, from the schedule the strip shows.
const std::vector<GameMinuteStart>& GameMinuteStarts() {
  static const std::vector<GameMinuteStart> starts = [] {
    std::vector<GameMinuteStart> list;
    GameTimeTexts game;
    for (int32_t s = 0; s < kSecondsPerDay; ++s) {
      const int32_t hhmmss = s / 3600 * 10000 + s / 60 % 60 * 100 + s % 60;
      if (!ComputeGameTimeAt(hhmmss, game)) break;  // no schedule
      if (list.empty() || list.back().game_hhmm != game.game_hhmm) {
        list.push_back({s, game.game_hhmm});
      }
    }
    return list;
  }();
  return starts;
}

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
  size_t i = std::upper_bound(starts.begin(), starts.end(), now % kSecondsPerDay,
                              [](int32_t s, const GameMinuteStart& g) { return s < g.second; }) -
             starts.begin();
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

// True unless `due` (a second of the week) lies ahead of `now` by at most the longest warning:
// a due time that has come or gone is no longer one to be warned of.
bool Passed(int32_t due, int32_t now) {
  const int32_t ahead = ((due - now) % kSecondsPerWeek + kSecondsPerWeek) % kSecondsPerWeek;
  return ahead == 0 || ahead > kMaxWarningMinutes * 60;
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

bool CheckEarlyWarnings(AlarmTable& table, int32_t now, bool sound_on, bool alarms_fired,
                        const FileSystem& files, AlarmAnnouncer& announcer) {
  if (table.alarms_off) return false;
  bool shown = false;
  for (int k = 1; k <= kAlarmCapacity && table.records[k].Kind > 0; ++k) {
    TtavlinAlarm& alarm = table.records[k];
    if (alarm.WarningMinutes <= 0) continue;
    if (alarm.WarnedFor != kNotWarned && Passed(alarm.WarnedFor, now)) alarm.WarnedFor = kNotWarned;
    const std::optional<int32_t> until = SecondsUntilDue(alarm, now, alarm.WarningMinutes * 60);
    if (!until) continue;
    const int32_t due = (now + *until) % kSecondsPerWeek;
    if (due == alarm.WarnedFor) continue;
    announcer.Announce(
        AlarmNotice(alarm, std::to_string(alarm.WarningMinutes) + "분 전 · " + alarm.Subject));
    alarm.WarnedFor = due;
    shown = true;
  }
  if (!shown) return false;
  if (sound_on && !alarms_fired && files.Exists(kAlarmSoundFile)) announcer.PlaySound();
  return true;
}

}  // namespace tavlin
