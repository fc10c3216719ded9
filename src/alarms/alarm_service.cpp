#include "alarms/alarm_service.h"

#include <utility>

namespace tavlin {

AlarmService::AlarmService(const FileSystem& files, AlarmAnnouncer& announcer,
                           std::string directory,
                           std::function<void(const std::string&)> show_report)
    : files_(files),
      announcer_(announcer),
      directory_(std::move(directory)),
      show_report_(std::move(show_report)) {}

void AlarmService::LoadAlarmList() {
  std::optional<std::string> report;
  try {
    report = reporter_.Loaded(tavlin::LoadAlarmList(directory_, files_, table_));
  } catch (const AlarmListError& error) {
    if (auto text = reporter_.Failed(error); text && show_report_) show_report_(*text);
    // The player has been told (or was told already): the tick only has to load again.
    throw ReportedError(error.what());
  }
  if (report && show_report_) show_report_(*report);
}

void AlarmService::CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, int weekday, bool sound_on) {
  tavlin::CheckAlarms(table_, real_hhmm, game_hhmm, weekday, sound_on, files_, announcer_);
}

}  // namespace tavlin
