// The alarm table with its load and check, as the main window's clock tick reaches them.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "alarms/alarm_check.h"
#include "alarms/alarm_link.h"
#include "alarms/alarm_list.h"
#include "alarms/alarm_load_reporter.h"
#include "base/file_system.h"

namespace tavlin {

class AlarmService : public AlarmLink {
 public:
  /// `directory` is where the alarm list lives (the program's folder, ending in its separator);
  /// the sound file is found by FindPlayerFile with it.
  /// `show_report` shows the player a text about a load; it must not block the clock.
  /// `monotonic_ms` reads a clock in milliseconds that no one sets and that stands still while
  /// the system sleeps; against the wall clock of the checks it shows the time they did not see.
  AlarmService(const FileSystem& files, AlarmAnnouncer& announcer, std::string directory,
               std::function<void(const std::string&)> show_report,
               std::function<int64_t()> monotonic_ms = {});

  /// Loads the list and arms every alarm; early warnings already shown are not shown again for
  /// lines that did not change. A failure is handed to `show_report` (once while it repeats, and
  /// only when the file stood still through two failing loads) and then thrown on as
  /// ReportedError, so that the tick loads again next time without showing it twice. A failed
  /// load leaves the alarms as they were.
  void LoadAlarmList() override;
  /// First loads the list again when its stamp changed since the last load (a saved edit): lines
  /// that did not change keep their state, new and changed lines are armed. A list that is gone
  /// for the moment, or that fails to load, leaves the alarms as they are until a later check.
  /// After a gap since the check before (FindClockGap: a sleep, a clock set forward) lists the
  /// alarms missed in it in one popup (AnnounceMissedAlarms). Then fires the due alarms and the
  /// due early warnings; a warning whose moment fell in the gap comes now, saying the time left.
  /// One sound for all of it.
  /// `real_hhmm` and `game_hhmm` are the tick's, from the same reading.
  void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, const ClockReading& now,
                   bool sound_on) override;
  void NoteResume() override { resumed_ = true; }
  /// The list has just been saved from the program itself: it is loaded now, as a saved edit is
  /// at the next check (lines that did not change keep their state), instead of within ten
  /// seconds.
  void LoadSavedList() { Load(/*rearm=*/false); }

 private:
  // Loads into a table of its own and takes it on success; false after a failure.
  bool Load(bool rearm);

  const FileSystem& files_;
  AlarmAnnouncer& announcer_;
  std::string directory_;
  std::function<void(const std::string&)> show_report_;
  std::function<int64_t()> monotonic_ms_;
  AlarmTable table_;
  AlarmLoadReporter reporter_;
  std::optional<FileStamp> loaded_stamp_;  // the list's stamp just before the last good load
  struct CheckMoment {
    int64_t wall;  // WallSecond of its reading
    int64_t monotonic_ms;
  };
  std::optional<CheckMoment> last_check_;
  bool resumed_ = false;
};

}  // namespace tavlin
