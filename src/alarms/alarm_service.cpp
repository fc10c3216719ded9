#include "alarms/alarm_service.h"

#include <utility>

#include "alarms/alarm_gap.h"
#include "alarms/alarm_warning.h"
#include "base/player_files.h"

namespace tavlin {

AlarmService::AlarmService(const FileSystem& files, AlarmAnnouncer& announcer,
                           std::string directory,
                           std::function<void(const std::string&)> show_report,
                           std::function<int64_t()> monotonic_ms)
    : files_(files),
      announcer_(announcer),
      directory_(std::move(directory)),
      show_report_(std::move(show_report)),
      monotonic_ms_(std::move(monotonic_ms)) {}

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

void AlarmService::CheckAlarms(int32_t, int32_t, const ClockReading& now, bool sound_on) {
  const CheckMoment moment{WallSecond(now), monotonic_ms_ ? monotonic_ms_() : 0};
  std::optional<ClockGap> gap;
  if (last_check_) {
    gap = FindClockGap(last_check_->wall, last_check_->monotonic_ms, moment.wall,
                       moment.monotonic_ms, resumed_);
  }
  last_check_ = moment;
  resumed_ = false;

  const std::optional<FileStamp> stamp = files_.Stamp(AlarmFilePath(directory_));
  // Editors that save by writing a new file and renaming it leave no list for a moment: that is
  // no reason to switch the alarms off or forget what they fired.
  if (stamp && stamp != loaded_stamp_) Load(/*rearm=*/false);
  // The sound file is looked for at every check: a player may add or remove it at any time.
  const bool sound = sound_on && files_.Exists(AlarmSoundPath(files_, directory_));
  const bool missed = gap && AnnounceMissedAlarms(table_, *gap, sound, announcer_);
  const bool fired =
      tavlin::CheckAlarms(table_, AlarmTimeAt(moment.wall), sound && !missed, announcer_);
  CheckEarlyWarnings(table_, moment.wall, sound, fired || missed, announcer_);
}

}  // namespace tavlin
