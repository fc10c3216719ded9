// How the main clock window reaches the program's other windows and services. The main window
// holds these as plain pointers (nullptr: that part is absent) and never owns what they point to.
#pragma once

#include <cstdint>

namespace tavlin {

/// The game-hour timetable window, as the main window's menu and deactivation handler use it.
class TimetableLink {
 public:
  virtual ~TimetableLink() = default;
  /// "게임시진->현실시간표": a hidden window is shown (and refilled); a visible one only comes to
  /// the front.
  virtual void ShowFromMenu() = 0;
  virtual bool Visible() const = 0;
  /// Top-most again, without moving, sizing or activating it.
  virtual void KeepOnTop() = 0;
};

/// The alarm list and its check, as the clock tick drives them.
class AlarmLink {
 public:
  virtual ~AlarmLink() = default;
  /// Reads the alarm list; throws TavlinError with the player's message when the list is malformed.
  virtual void LoadAlarmList() = 0;
  /// Fires the due alarms. `sound_on` is the check mark of "켜기".
  virtual void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, int weekday, bool sound_on) = 0;
};

}  // namespace tavlin
