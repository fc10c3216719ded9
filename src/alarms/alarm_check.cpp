#include "alarms/alarm_check.h"

#include <utility>

#include "base/text.h"

namespace tavlin {

namespace {

// What a record is compared with, by kind.
struct KindValues {
  int32_t time;  // the HHMM value its window is tested against
  int32_t day;   // the repeat day the record must have to fire
  int32_t hour;  // the hour stored when it fires
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

bool CheckAlarms(AlarmTable& table, int32_t real_hhmm, int32_t game_hhmm, int weekday,
                 bool sound_on, const FileSystem& files, AlarmAnnouncer& announcer) {
  if (table.alarms_off) return false;
  bool fired = false;
  bool sound_played = false;
  const int32_t real_hour = real_hhmm / 100;
  const int32_t game_hour = game_hhmm / 100;

  for (int k = 1; k <= kAlarmCapacity; ++k) {
    TtavlinAlarm& alarm = table.records[k];
    if (alarm.Kind <= 0) break;
    KindValues values{};
    switch (alarm.Kind) {
      case kRealTimeAlarm:
        values = {real_hhmm, alarm.RepeatDay != 0 ? weekday : 0, real_hour};
        break;
      case kGameTimeAlarm:
      case kGameTimeColourAlarm:
        values = {game_hhmm, 0, game_hour};
        break;
      default:
        continue;  // a kind this program does not know never fires
    }

    if (AlarmWindowOpen(alarm, values.time) && alarm.RepeatDay == values.day &&
        alarm.State == kAlarmArmed) {
      announcer.Announce(AlarmNotice(alarm, alarm.Subject + " "));
      fired = true;
      alarm.State = values.hour;
      if (sound_on && !sound_played && files.Exists(kAlarmSoundFile)) {
        announcer.PlaySound();
        sound_played = true;
      }
    } else if (alarm.State < kAlarmArmed && alarm.State != values.hour) {
      alarm.State = kAlarmArmed;
    }
  }
  return fired;
}

}  // namespace tavlin
