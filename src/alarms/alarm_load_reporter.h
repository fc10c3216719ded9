// What the player is told about loads of the alarm list. The list is loaded again at every tick
// while it stays faulty, so one fault must not become a message a second; and the player's editor
// may be saving it right then, so a fault is told only once the file has stood still with it.
#pragma once

#include <optional>
#include <string>

#include "alarms/alarm_list.h"
#include "base/file_system.h"
#include "base/repeat_filter.h"

namespace tavlin {

/// The last line of the report of a list that could not be opened.
inline constexpr char kRetryHint[] =
    "tavlin은 매초 다시 읽어 봅니다: 파일을 열어 둔 다른 프로그램이 있으면 닫으세요.";

class AlarmLoadReporter {
 public:
  /// After a load that succeeded: its notice, unless it is the notice shown after the load before
  /// (a list saved again with the same fault left in it). A later failure is shown again even
  /// when it is the one shown before this load.
  std::optional<std::string> Loaded(const AlarmLoadResult& result);

  /// After a failed load of a file whose stamp was `stamp` both before and after the read
  /// (nothing when it changed meanwhile or could not be had): the failure, with its file and the
  /// data line it stopped at (or, for a file that could not be opened, kRetryHint). Only when the
  /// load before this one failed the same way (message, file and line) on the same stamp, so that
  /// a file caught half-saved is never reported; and not when that failure was the last one shown
  /// and no load succeeded since.
  std::optional<std::string> Failed(const AlarmListError& error, std::optional<FileStamp> stamp);

 private:
  struct Failure {
    std::string message;
    std::string path;
    int data_line = 0;
    bool operator==(const Failure&) const = default;
  };
  struct Seen {
    Failure failure;
    FileStamp stamp;
    bool operator==(const Seen&) const = default;
  };
  std::optional<Seen> last_failed_;  // the load before, when it failed on a steady file
  RepeatFilter<Failure> shown_;
  RepeatFilter<std::string> notices_;
};

}  // namespace tavlin
