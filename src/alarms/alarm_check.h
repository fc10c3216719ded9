// Deciding which alarms of the list are due, and announcing them.
#pragma once

#include <cstdint>
#include <string>

#include "alarms/alarm_list.h"
#include "base/file_system.h"
#include "base/player_files.h"
#include "popup/popup_types.h"

namespace tavlin {

/// Popup colours, laid out 0x00BBGGRR.
constexpr uint32_t kRealTimeAlarmColour = 10092441;  ///< R 153 G 255 B 153, light green
constexpr uint32_t kGameTimeAlarmColour = 7326463;   ///< R 255 G 202 B 111, light orange
constexpr uint32_t kNeutralAlarmColour = kNeutralGradientColour;  ///< R 153 G 204 B 255, light blue

/// Where due alarms are announced: the main window's popup notifier and the sound.
class AlarmAnnouncer {
 public:
  virtual ~AlarmAnnouncer() = default;
  /// Shows `notice` in a popup, at once or as soon as there is room for it.
  virtual void Announce(const Notice& notice) = 0;
  /// Starts the alarm sound file (AlarmSoundPath) and returns at once.
  virtual void PlaySound() = 0;
};

/// True when the window of `alarm` is open at the HHMM value `v` of its clock: from StartTime to
/// EndTime, both included, or, when EndTime is not above StartTime, after StartTime or before
/// EndTime (across midnight, both left out).
bool AlarmWindowOpen(const TtavlinAlarm& alarm, int32_t v);

/// The popup colour of an alarm of `kind` (5, 6 or 7).
uint32_t AlarmKindColour(int32_t kind);

/// The notice of `alarm` titled `title`: its message with each "//" a line break, in the colour
/// of its kind.
Notice AlarmNotice(const TtavlinAlarm& alarm, std::string title);

/// One check's moment on both clocks. Moments are seconds since 1970-01-01 00:00:00 on the
/// local clock.
struct AlarmTime {
  int64_t moment = 0;
  int32_t real_hhmm = 0;
  int32_t game_hhmm = 0;
  int weekday = 1;              ///< Monday = 1 .. Sunday = 7
  int64_t real_hour_began = 0;  ///< the moment the real hour in progress began
  int64_t game_hour_began = 0;  ///< the moment the game hour in progress began (the schedule's)
};

/// The weekday (Monday = 1 .. Sunday = 7) of day `day` since 1970-01-01, a Thursday.
int WeekdayOfDay(int64_t day);

/// Both clocks at `moment`, the game clock from the schedule.
AlarmTime AlarmTimeAt(int64_t moment);

/// Fires every armed alarm of the list whose window is open at the real (kind 7) or the game
/// (kinds 5 and 6) HHMM value of `now` and whose repeat day holds on its weekday: one popup
/// each, in record order, and with `sound_on` (the sound switched on and its file found) one
/// sound per check. A fired alarm keeps the hour of its clock in State and the moment that hour
/// began in FiredHourBegan; the first check in another hour of its clock (another day's same hour
/// too) arms it again. Other positive kinds are passed over. Does nothing at all while the alarms
/// are off. True when it showed a popup.
bool CheckAlarms(AlarmTable& table, const AlarmTime& now, bool sound_on, AlarmAnnouncer& announcer);

}  // namespace tavlin
