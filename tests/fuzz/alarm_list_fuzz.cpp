// Feeds arbitrary bytes to the alarm list load as the player's tavlin.gogo, then checks the
// alarms a few times of day, so that malformed lists and odd numbers meet every path of both.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "../unit/test_support.h"
#include "alarms/alarm_check.h"
#include "alarms/alarm_gap.h"
#include "alarms/alarm_list.h"
#include "alarms/alarm_load_reporter.h"
#include "alarms/alarm_warning.h"
#include "clock/schedule.h"

namespace {

class CountingAnnouncer : public tavlin::AlarmAnnouncer {
 public:
  void SetTitle(const std::string& title) override { length_ += title.size(); }
  void SetText(const std::string& text) override { length_ += text.size(); }
  void SetGradientColor1(uint32_t) override {}
  void ShowNotice() override { ++shown_; }
  void PlaySound() override { ++sounds_; }
  int shown() const { return shown_; }
  int sounds() const { return sounds_; }

 private:
  size_t length_ = 0;
  int shown_ = 0;
  int sounds_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool schedule_built = (tavlin::BuildSchedule(), true);
  (void)schedule_built;
  tavlin::fakes::MemoryFileSystem files;
  files.files["/fuzz/tavlin.gogo"] = std::string(reinterpret_cast<const char*>(data), size);
  files.files["./tavlin00.wav"] = "RIFF";
  tavlin::AlarmTable table;
  tavlin::AlarmLoadReporter reporter;
  try {
    const tavlin::AlarmLoadResult result = tavlin::LoadAlarmList("/fuzz/", files, table);
    if (result.data_lines > tavlin::kAlarmCapacity) std::abort();
    reporter.Loaded(result);
  } catch (const tavlin::AlarmListError& error) {
    // Once, at the second load that finds it in the same file, not at the third.
    const tavlin::FileStamp stamp{size, 0};
    if (reporter.Failed(error, stamp) || !reporter.Failed(error, stamp) ||
        reporter.Failed(error, stamp)) {
      std::abort();
    }
    return 0;
  }
  CountingAnnouncer announcer;
  for (int32_t real : {0, 959, 1200, 2359}) {
    const int64_t moment = (20000 + real % 7) * 86400LL + real / 100 * 3600 + real % 100 * 60;
    const bool fired =
        tavlin::CheckAlarms(table, tavlin::AlarmTimeAt(moment), true, files, announcer);
    tavlin::CheckEarlyWarnings(table, moment, true, fired, files, announcer);
  }
  // A sleep of five hours: what it lists lies inside it, each alarm once.
  const tavlin::ClockGap gap{20000 * 86400LL + 3600, 20000 * 86400LL + 6 * 3600};
  const std::vector<tavlin::MissedAlarm> missed = tavlin::MissedAlarms(table, gap);
  if (missed.size() > static_cast<size_t>(tavlin::kAlarmCapacity)) std::abort();
  for (const tavlin::MissedAlarm& alarm : missed) {
    if (alarm.due <= gap.from || alarm.due >= gap.to) std::abort();
  }
  // One sound at most per check, and never without a popup.
  if (announcer.sounds() > 4 || announcer.sounds() > announcer.shown()) std::abort();
  // A record is armed, never armed yet (0), or holds the hour it last fired.
  for (const tavlin::TtavlinAlarm& record : table.records) {
    if (record.State != tavlin::kAlarmArmed && (record.State < 0 || record.State > 23))
      std::abort();
  }
  return 0;
}
