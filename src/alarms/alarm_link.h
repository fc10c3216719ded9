// The alarm list and its check as the clock tick drives them. The main window holds the link as
// a plain pointer (nullptr: no alarms) and never owns what it points to.
#pragma once

#include <cstdint>

namespace tavlin {

class AlarmLink {
 public:
  virtual ~AlarmLink() = default;
  /// Reads the alarm list; throws ReportedError when it did not load, the player having been told
  /// (or to be told, once the file holds still) by the link itself.
  virtual void LoadAlarmList() = 0;
  /// Fires the due alarms. `sound_on` is the check mark of "켜기".
  virtual void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, int weekday, bool sound_on) = 0;
};

}  // namespace tavlin
