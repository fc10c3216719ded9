// Feeds arbitrary bytes to the alarm list load as the player's tavlin.gogo, then checks the
// alarms a few times of day, so that malformed lists and odd numbers meet every path of both.
// The alarm editor reads the same bytes: unchanged, it writes them back as they were; its lines
// are what the load reads; an alarm it adds to a list that loads is loaded.
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
#include "editor/alarm_list_edit.h"

namespace {

class CountingAnnouncer : public tavlin::AlarmAnnouncer {
 public:
  void Announce(const tavlin::Notice& notice) override {
    length_ += notice.title.size() + notice.text.size();
    ++shown_;
  }
  void PlaySound() override { ++sounds_; }
  int shown() const { return shown_; }
  int sounds() const { return sounds_; }

 private:
  size_t length_ = 0;
  int shown_ = 0;
  int sounds_ = 0;
};

// Every line the editor reads as an alarm is the load's record of that line; an alarm it adds to
// a list that loads is loaded from the bytes it writes.
void CheckEditorAgrees(tavlin::AlarmListEdit& edit, const tavlin::AlarmTable& table,
                       tavlin::fakes::MemoryFileSystem& files) {
  for (size_t i = 0; i < edit.lines().size() && i < tavlin::kAlarmCapacity; ++i) {
    const tavlin::EditLine& line = edit.lines()[i];
    const tavlin::TtavlinAlarm& record = table.records[i + 1];
    if (line.kind == tavlin::EditLine::Kind::kRefused) std::abort();
    if (line.kind == tavlin::EditLine::Kind::kAlarm &&
        (line.fields.kind != record.Kind || line.fields.title != record.Subject ||
         line.fields.body != record.Body || line.fields.start != record.StartTime ||
         line.fields.warning_minutes != record.WarningMinutes)) {
      std::abort();
    }
  }
  const tavlin::AlarmFields added{tavlin::kRealTimeAlarm, 900, 930, 0, "fuzz", "added", 5};
  if (!edit.Add(added).empty()) return;
  files.files["/fuzz/tavlin.gogo"] = edit.Bytes();
  tavlin::AlarmTable after;
  tavlin::LoadAlarmList("/fuzz/", files, after);
  for (size_t i = 0; i < edit.lines().size(); ++i) {
    if (edit.lines()[i].bytes) continue;  // not the one the editor wrote
    if (after.records[i + 1].Subject != "fuzz" || after.records[i + 1].WarningMinutes != 5)
      std::abort();
    return;
  }
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool schedule_built = (tavlin::BuildSchedule(), true);
  (void)schedule_built;
  tavlin::fakes::MemoryFileSystem files;
  files.files["/fuzz/tavlin.gogo"] = std::string(reinterpret_cast<const char*>(data), size);
  files.files["./tavlin00.wav"] = "RIFF";
  tavlin::AlarmTable table;
  tavlin::AlarmLoadReporter reporter;
  tavlin::AlarmListEdit edit = tavlin::AlarmListEdit::Load(files.files["/fuzz/tavlin.gogo"]);
  if (edit.Bytes() != files.files["/fuzz/tavlin.gogo"]) std::abort();
  try {
    const tavlin::AlarmLoadResult result = tavlin::LoadAlarmList("/fuzz/", files, table);
    if (result.data_lines > tavlin::kAlarmCapacity) std::abort();
    reporter.Loaded(result);
  } catch (const tavlin::AlarmListError& error) {
    if (error.data_line() > 0 && edit.lines().at(error.data_line() - 1).error != error.what()) {
      std::abort();
    }
    // Once, at the second load that finds it in the same file, not at the third.
    const tavlin::FileStamp stamp{size, 0};
    if (reporter.Failed(error, stamp) || !reporter.Failed(error, stamp) ||
        reporter.Failed(error, stamp)) {
      std::abort();
    }
    return 0;
  }
  CheckEditorAgrees(edit, table, files);
  CountingAnnouncer announcer;
  for (int32_t real : {0, 959, 1200, 2359}) {
    const int64_t moment = (20000 + real % 7) * 86400LL + real / 100 * 3600 + real % 100 * 60;
    const bool fired = tavlin::CheckAlarms(table, tavlin::AlarmTimeAt(moment), true, announcer);
    tavlin::CheckEarlyWarnings(table, moment, true, fired, announcer);
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
