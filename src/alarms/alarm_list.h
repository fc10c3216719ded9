// alarms/ holds the player's alarm list: reading it, checking it and reporting its faults.
// The player's alarm list "tavlin.gogo": one alarm per line, read into a fixed table of records.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "base/file_system.h"
#include "base/player_files.h"
#include "base/text.h"

namespace tavlin {

/// The marker in `State` of an alarm that may fire; any other value is the hour it last fired.
constexpr int32_t kAlarmArmed = 77;
/// Records 1..100 hold alarms; index 0 is never used.
constexpr int kAlarmCapacity = 100;
/// The longest early warning a line may ask for, in real minutes (twelve hours).
constexpr int32_t kMaxWarningMinutes = 720;
/// `WarnedFor` of an alarm that has shown no early warning for a coming due time.
constexpr int64_t kNotWarned = -1;

enum AlarmKind : int32_t {
  kGameTimeAlarm = 5,        ///< compared with the game clock
  kGameTimeColourAlarm = 6,  ///< compared with the game clock, popup in a colour of its own
  kRealTimeAlarm = 7,        ///< compared with the real clock
};

/// One data line of the alarm list.
struct TtavlinAlarm {
  int32_t LineNo = 0;     ///< data line that filled the record (1 for the line after the header)
  int32_t Kind = 0;       ///< 7, 5 or 6; 0 or less ends the list
  int32_t StartTime = 0;  ///< HHMM value
  int32_t EndTime = 0;    ///< HHMM value
  int32_t RepeatDay = 0;  ///< 0 every day, 1..7 Monday..Sunday
  std::string Subject;    ///< popup title
  std::string Body;       ///< popup message; "//" is a line break
  int32_t State = 0;      ///< kAlarmArmed, or the hour (0..23 on its own clock) it last fired
  int32_t WarningMinutes = 0;      ///< real minutes of early warning (1..720); 0: none
  int64_t WarnedFor = kNotWarned;  ///< the due time last warned of (a moment, as AlarmTime)
  /// While fired: the real moment (as AlarmTime) at which the hour of its clock it fired in began,
  /// so that the same hour of another day is another hour.
  int64_t FiredHourBegan = 0;

  bool operator==(const TtavlinAlarm&) const = default;
};

/// The alarm table and the switch that turns every alarm off. The list is records 1, 2, ... up
/// to the first record whose Kind is 0 or less, never beyond record 100.
struct AlarmTable {
  std::array<TtavlinAlarm, kAlarmCapacity + 1> records{};
  bool alarms_off = false;
};

/// A load that failed: what() is the exact text the player is shown. `data_line` is the data line
/// the load stopped at (1 for the line after the header), 0 when the file could not be opened.
class AlarmListError : public TavlinError {
 public:
  AlarmListError(const std::string& message, std::string path, int data_line)
      : TavlinError(message), path_(std::move(path)), data_line_(data_line) {}
  const std::string& path() const { return path_; }
  int data_line() const { return data_line_; }

 private:
  std::string path_;
  int data_line_;
};

/// What a load did, for the caller to tell the player.
struct AlarmLoadResult {
  bool file_found = false;
  int data_lines = 0;          ///< data lines stored (at most 100)
  bool lines_ignored = false;  ///< the file had non-empty lines after the 100th data line
  std::string notice;          ///< text for the player, empty when there is nothing to say
};

/// The same alarm in two loads of the list: every field the player writes is equal.
bool SameAlarmLine(const TtavlinAlarm& a, const TtavlinAlarm& b);

/// Carries over, to each alarm of the list in `after`, what the same line (SameAlarmLine, paired
/// in order) in the list of `before` remembers: its early warning shown always, and with
/// `keep_fired` its State too, so that a saved edit does not make unchanged alarms fire again.
/// Lines without a pair keep what the load gave them (armed, no warning shown).
void KeepAlarmStates(const AlarmTable& before, AlarmTable& after, bool keep_fired);

/// Reads one data line (`data_line`, 1 for the line after the header) into `record` as the load
/// does: an empty line gives the empty record; otherwise each field is stored as soon as it is
/// read, and a faulty one throws TavlinError with the load's message ("List index out of bounds
/// (<field>)" or "'<text>' is not a valid integer value"). Returns the text of an eighth field
/// that could not be a warning.
std::optional<std::string> ReadAlarmLine(const std::string& line, int data_line,
                                         TtavlinAlarm& record);

/// Reads the file at `path` into records 1..n of `table` (n data lines, at most 100) and empties
/// records n+1..100, so that a shorter file ends the list after its last line. An eighth field
/// that is present but not a whole number from 1 to kMaxWarningMinutes leaves the alarm without
/// warning and puts a sentence naming its line into the notice; it never fails the load. Throws
/// AlarmListError with "Cannot open file "<path>". <reason>" (table unchanged), "List index out
/// of bounds (<field>)" or "'<text>' is not a valid integer value"; after those two the records
/// before the faulty line hold their new values, the faulty line's record holds its LineNo and
/// the fields read before the faulty one, and the later records are untouched.
AlarmLoadResult ReadAlarmFile(const std::string& path, const FileSystem& files, AlarmTable& table);

/// Reads "tavlin.gogo" from `directory` when it exists (and switches the alarms on), switches the
/// alarms off when it does not (with a notice when a folder has its name), then arms the list.
/// Throws what ReadAlarmFile throws, without arming and without touching the switch.
AlarmLoadResult LoadAlarmList(const std::string& directory, const FileSystem& files,
                              AlarmTable& table);

}  // namespace tavlin
