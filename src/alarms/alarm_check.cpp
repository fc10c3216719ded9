#include "alarms/alarm_check.h"

#include <utility>

#include "base/text.h"
#include "clock/game_minutes.h"
#include "clock/game_time.h"

namespace tavlin {

namespace {

// What a record is compared with, by kind.
struct KindValues {
  int32_t time;  // the HHMM value its window is tested against
  int32_t day;   // the repeat day the record must have to fire
  int32_t hour;  // the hour stored when it fires
  int64_t hour_began;
};

}  // namespace

bool AlarmWindowOpen(const TtavlinAlarm& alarm, int32_t v) {
  if (alarm.EndTime > alarm.StartTime) return alarm.StartTime <= v && v <= alarm.EndTime;
  // A window that runs past midnight leaves out both ends; one whose start equals its end is
  // therefore open at every minute of the day but that one.
  return v < alarm.EndTime || v > alarm.StartTime;
}

uint32_t AlarmKindColour(int32_t kind) {
  return kind == kRealTimeAlarm   ? kRealTimeAlarmColour
         : kind == kGameTimeAlarm ? kGameTimeAlarmColour
                                  : kNeutralAlarmColour;
}

Notice AlarmNotice(const TtavlinAlarm& alarm, std::string title) {
  return Notice{std::move(title), ReplaceAll(alarm.Body, "//", "\r"),
                ColourFromBgr(AlarmKindColour(alarm.Kind))};
}

int WeekdayOfDay(int64_t day) {
  return static_cast<int>(((day + 3) % 7 + 7) % 7) + 1;
}

AlarmTime AlarmTimeAt(int64_t moment) {
  AlarmTime time;
  time.moment = moment;
  const int32_t second = SecondOfDay(moment);
  time.real_hhmm = second / 3600 * 100 + second / 60 % 60;
  GameTimeTexts game;
  if (ComputeGameTimeAt(second / 3600 * 10000 + time.real_hhmm % 100 * 100 + second % 60, game)) {
    time.game_hhmm = game.game_hhmm;
  }
  time.weekday = WeekdayOfDay(DayOf(moment));
  time.real_hour_began = moment - second % 3600;
  time.game_hour_began = GameHourBegan(moment);
  return time;
}

bool CheckAlarms(AlarmTable& table, const AlarmTime& now, bool sound_on,
                 AlarmAnnouncer& announcer) {
  if (table.alarms_off) return false;
  bool fired = false;
  bool sound_played = false;
  const int32_t real_hour = now.real_hhmm / 100;
  const int32_t game_hour = now.game_hhmm / 100;

  for (int k = 1; k <= kAlarmCapacity; ++k) {
    TtavlinAlarm& alarm = table.records[k];
    if (alarm.Kind <= 0) break;
    KindValues values{};
    switch (alarm.Kind) {
      case kRealTimeAlarm:
        values = {now.real_hhmm, alarm.RepeatDay != 0 ? now.weekday : 0, real_hour,
                  now.real_hour_began};
        break;
      case kGameTimeAlarm:
      case kGameTimeColourAlarm:
        values = {now.game_hhmm, 0, game_hour, now.game_hour_began};
        break;
      default:
        continue;  // a kind this program does not know never fires
    }

    if (AlarmWindowOpen(alarm, values.time) && alarm.RepeatDay == values.day &&
        alarm.State == kAlarmArmed) {
      announcer.Announce(AlarmNotice(alarm, alarm.Subject + " "));
      fired = true;
      alarm.State = values.hour;
      alarm.FiredHourBegan = values.hour_began;
      if (sound_on && !sound_played) {
        announcer.PlaySound();
        sound_played = true;
      }
    } else if (alarm.State < kAlarmArmed && alarm.FiredHourBegan != values.hour_began) {
      // The hour it fired in is over, even when a sleep or a clock set forward lands in the same
      // hour of another day.
      alarm.State = kAlarmArmed;
    }
  }
  return fired;
}

}  // namespace tavlin
