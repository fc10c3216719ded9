// Early warnings: an alarm line may ask to be told some real minutes before it falls due. For a
// game-clock alarm only the schedule knows when that is, since the double-hours differ in length.
#pragma once

#include <cstdint>
#include <optional>

#include "alarms/alarm_check.h"
#include "alarms/alarm_list.h"
#include "base/file_system.h"

namespace tavlin {

constexpr int32_t kSecondsPerWeek = 7 * 86400;

/// The second of the week (0 = Monday 00:00:00) of a reading on `weekday` (Monday = 1) at
/// hh:mm:ss.
int32_t SecondOfWeek(int weekday, int hour, int minute, int second);

/// The real moment at which `alarm` next falls due, as seconds after `now` (a second of the
/// week), if that is at most `within` seconds away. Falling due is the first minute of its clock
/// in which the alarm is due after one in which it was not: the start of its window, or the
/// minute after the start for a window across midnight, on a day its repeat day allows (a repeat
/// day rules the whole day, so a Saturday 00:00 alarm falls due when Friday ends). Game-clock
/// minutes come from the schedule. Nothing for an alarm that never falls
/// due: one due at every minute, one never due, a game-clock alarm with a repeat day, another kind.
std::optional<int32_t> SecondsUntilDue(const TtavlinAlarm& alarm, int32_t now, int32_t within);

/// The second of the week (SecondOfWeek) of a moment (as AlarmTime).
int32_t SecondOfWeekAt(int64_t moment);

/// Shows the early warning of every alarm of the list whose next due time is at most its
/// WarningMinutes away from the moment `now` (as AlarmTime) and has not been warned of
/// (WarnedFor): a popup in the alarm's colour titled "<N>분 전 · <Subject>" with its message, N
/// the whole minutes left until the due time, rounded up (WarningMinutes when it is on time). A
/// check that is already at or past the due time shows nothing for it. With `sound_on` (the sound
/// switched on and its file found), when `alarms_fired` is false (the alarm check of the same
/// moment plays the sound of the check then), plays the sound once. Nothing while the alarms are
/// off. True when it showed one.
bool CheckEarlyWarnings(AlarmTable& table, int64_t now, bool sound_on, bool alarms_fired,
                        AlarmAnnouncer& announcer);

}  // namespace tavlin
