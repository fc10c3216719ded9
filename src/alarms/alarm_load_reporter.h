// What the player is told about loads of the alarm list. The list is loaded again at every tick
// while it stays faulty, so one fault must not become a message a second.
#pragma once

#include <optional>
#include <string>

#include "alarms/alarm_list.h"
#include "base/repeat_filter.h"

namespace tavlin {

/// The last line of the report of a list that could not be opened.
inline constexpr char kRetryHint[] =
    "tavlin은 매초 다시 읽어 봅니다: 파일을 열어 둔 다른 프로그램이 있으면 닫으세요.";

class AlarmLoadReporter {
 public:
  /// After a load that succeeded: its notice, if it has one. A later failure is shown again even
  /// when it is the one shown before this load.
  std::optional<std::string> Loaded(const AlarmLoadResult& result);

  /// After a failed load: the failure, with its file and the data line it stopped at (or, for a
  /// file that could not be opened, kRetryHint), unless the same failure (message, file and line)
  /// was the last one shown and no load succeeded since.
  std::optional<std::string> Failed(const AlarmListError& error);

 private:
  struct Failure {
    std::string message;
    std::string path;
    int data_line = 0;
    bool operator==(const Failure&) const = default;
  };
  RepeatFilter<Failure> shown_;
};

}  // namespace tavlin
