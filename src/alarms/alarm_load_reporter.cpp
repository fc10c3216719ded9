#include "alarms/alarm_load_reporter.h"

namespace tavlin {

std::optional<std::string> AlarmLoadReporter::Loaded(const AlarmLoadResult& result) {
  shown_.Reset();
  if (result.notice.empty()) return std::nullopt;
  return result.notice;
}

std::optional<std::string> AlarmLoadReporter::Failed(const AlarmListError& error) {
  Failure failure{error.what(), error.path(), error.data_line()};
  if (!shown_.Admit(failure)) return std::nullopt;
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
