// Time the program did not see: a sleep, or a clock set forward. What fell due and closed again
// in it is listed once when the checks come back; what is still open fires as usual.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "alarms/alarm_check.h"
#include "alarms/alarm_list.h"
#include "base/file_system.h"

namespace tavlin {

/// Less time than this between two checks is no gap.
constexpr int64_t kShortestGapSeconds = 120;
/// Of a longer gap only its last day counts.
constexpr int64_t kLongestGapSeconds = 86400;
/// The title of the popup that lists the alarms missed in a gap.
inline constexpr char kMissedAlarmsTitle[] = "놓친 알림";

/// Real moments (as AlarmTime) the checks did not see: after `from`, up to and including `to`.
struct ClockGap {
  int64_t from = 0;
  int64_t to = 0;
  friend bool operator==(const ClockGap&, const ClockGap&) = default;
};

/// The gap between the check before, at the wall moment `last_wall` and the monotonic reading
/// `last_ms`, and this one at `now_wall` and `now_ms`: when the wall clock moved more than
/// kShortestGapSeconds further than the monotonic clock (a sleep that clock does not count, or a
/// clock set forward), or, with `resumed` (the system said it woke), when the wall clock moved
/// more than kShortestGapSeconds at all. Nothing for a clock set back.
std::optional<ClockGap> FindClockGap(int64_t last_wall, int64_t last_ms, int64_t now_wall,
                                     int64_t now_ms, bool resumed);

/// An alarm whose window opened and closed again inside a gap.
struct MissedAlarm {
  int64_t due = 0;  ///< the last moment in the gap at which it fell due (as AlarmTime)
  std::string subject;
  friend bool operator==(const MissedAlarm&, const MissedAlarm&) = default;
};

/// The alarms of the list, in record order and each once, that fell due inside the last
/// kLongestGapSeconds of `gap` and whose window closed again before its end. An alarm still
/// open at the end of the gap is not missed: the check fires it. Needs BuildSchedule for the
/// game-clock alarms.
std::vector<MissedAlarm> MissedAlarms(const AlarmTable& table, const ClockGap& gap);

/// The popup's text: "hh:mm <subject>" per missed alarm, one a line ("\r" between lines).
std::string MissedAlarmsText(const std::vector<MissedAlarm>& missed);

/// Shows one popup titled kMissedAlarmsTitle listing the alarms missed in `gap`, with one sound
/// when `sound_on` (the sound switched on and its file found). Nothing while the alarms are off or
/// when nothing was missed. True when it showed the popup.
bool AnnounceMissedAlarms(const AlarmTable& table, const ClockGap& gap, bool sound_on,
                          AlarmAnnouncer& announcer);

}  // namespace tavlin
