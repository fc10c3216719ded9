// The alarm table with its load and check, as the main window's clock tick reaches them.
#pragma once

#include <functional>
#include <string>

#include "alarms/alarm_check.h"
#include "alarms/alarm_link.h"
#include "alarms/alarm_list.h"
#include "alarms/alarm_load_reporter.h"
#include "base/file_system.h"

namespace tavlin {

class AlarmService : public AlarmLink {
 public:
  /// `directory` is where the alarm list lives (the program's folder, ending in its separator).
  /// `show_report` shows the player a text about a load; it must not block the clock.
  AlarmService(const FileSystem& files, AlarmAnnouncer& announcer, std::string directory,
               std::function<void(const std::string&)> show_report);

  /// Loads the list. A failure is handed to `show_report` (once while it repeats) and then
  /// thrown on as ReportedError, so that the tick loads again next time without showing it twice.
  void LoadAlarmList() override;
  void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, int weekday, bool sound_on) override;

  const AlarmTable& table() const { return table_; }

 private:
  const FileSystem& files_;
  AlarmAnnouncer& announcer_;
  std::string directory_;
  std::function<void(const std::string&)> show_report_;
  AlarmTable table_;
  AlarmLoadReporter reporter_;
};

}  // namespace tavlin
