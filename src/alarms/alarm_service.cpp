#include "alarms/alarm_service.h"

#include <utility>

#include "alarms/alarm_warning.h"
#include "base/player_files.h"

namespace tavlin {

AlarmService::AlarmService(const FileSystem& files, AlarmAnnouncer& announcer,
                           std::string directory,
                           std::function<void(const std::string&)> show_report)
    : files_(files),
      announcer_(announcer),
      directory_(std::move(directory)),
      show_report_(std::move(show_report)) {}

bool AlarmService::Load(bool rearm) {
  const std::string path = AlarmFilePath(directory_);
  // Taken before the read: a save that lands during the read changes it, and is read next time.
  const std::optional<FileStamp> before = files_.Stamp(path);
  AlarmTable fresh;
  AlarmLoadResult result;
  try {
    result = tavlin::LoadAlarmList(directory_, files_, fresh);
  } catch (const AlarmListError& error) {
    const bool steady = before && before == files_.Stamp(path);
    auto text = reporter_.Failed(error, steady ? before : std::nullopt);
    if (text && show_report_) show_report_(*text);
    return false;
  }
  KeepAlarmStates(table_, fresh, !rearm);
  table_ = std::move(fresh);
  loaded_stamp_ = before;
  if (auto text = reporter_.Loaded(result); text && show_report_) show_report_(*text);
  return true;
}

void AlarmService::LoadAlarmList() {
  // The player has been told (or will be, once the file holds still): the tick only has to load
  // again.
  if (!Load(/*rearm=*/true)) throw ReportedError("the alarm list did not load");
}

void AlarmService::CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, const ClockReading& now,
                               bool sound_on) {
  const std::optional<FileStamp> stamp = files_.Stamp(AlarmFilePath(directory_));
  // Editors that save by writing a new file and renaming it leave no list for a moment: that is
  // no reason to switch the alarms off or forget what they fired.
  if (stamp && stamp != loaded_stamp_) Load(/*rearm=*/false);
  const bool fired =
      tavlin::CheckAlarms(table_, real_hhmm, game_hhmm, now.weekday, sound_on, files_, announcer_);
  CheckEarlyWarnings(table_, SecondOfWeek(now.weekday, now.hour, now.minute, now.second), sound_on,
                     fired, files_, announcer_);
}

}  // namespace tavlin
