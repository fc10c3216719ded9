// The alarm list and its check as the clock tick drives them. The strip host holds the link as
// a plain pointer (nullptr: no alarms) and never owns what it points to.
#pragma once

#include <cstdint>

#include "clock/clock_tick.h"

namespace tavlin {

class AlarmLink {
 public:
  virtual ~AlarmLink() = default;
  /// Reads the alarm list; throws TavlinError with the player's message when the list is malformed.
  virtual void LoadAlarmList() = 0;
  /// Fires the due alarms and early warnings of the tick that read the clock as `now` (its
  /// weekday and second of the week come from that one reading). `sound_on`: "켜기" is checked.
  virtual void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, const ClockReading& now,
                           bool sound_on) = 0;
};

}  // namespace tavlin
