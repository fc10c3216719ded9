#include "alarms/alarm_load_reporter.h"

namespace tavlin {

std::optional<std::string> AlarmLoadReporter::Loaded(const AlarmLoadResult& result) {
  shown_.Reset();
  last_failed_.reset();
  if (result.notice.empty()) {
    notices_.Reset();
    return std::nullopt;
  }
  if (!notices_.Admit(result.notice)) return std::nullopt;
  return result.notice;
}

std::optional<std::string> AlarmLoadReporter::Failed(const AlarmListError& error,
                                                     std::optional<FileStamp> stamp) {
  Failure failure{error.what(), error.path(), error.data_line()};
  std::optional<Seen> seen;
  if (stamp) seen = Seen{failure, *stamp};
  // A fault read from a file that has not stood still through two loads may be the editor's
  // half-written save: the finished file decides.
  const bool steady = seen && last_failed_ == seen;
  last_failed_ = seen;
  if (!steady || !shown_.Admit(failure)) return std::nullopt;
  std::string text = "알림 목록을 읽지 못했습니다.\n파일: " + failure.path + "\n";
  if (failure.data_line > 0) {
    text += std::to_string(failure.data_line) + "번째 알림 줄 (파일의 " +
            std::to_string(failure.data_line + 1) + "번째 줄)\n";
  }
  text += failure.message;
  // A file that cannot be opened is most often one another program is writing: the load is tried
  // again every second, so the player only has to let go of it.
  if (failure.data_line == 0) text += "\n" + std::string(kRetryHint);
  return text;
}

}  // namespace tavlin
