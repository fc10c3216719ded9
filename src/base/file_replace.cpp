#include "base/file_replace.h"

namespace tavlin {

std::optional<WriteFailure> ReplaceFileRetrying(FileSystem& files, const std::string& path,
                                                const std::string& text, const WaitFunction& wait) {
  std::optional<WriteFailure> failure = files.ReplaceWhole(path, text);
  for (const int milliseconds : kReplaceRetryWaits) {
    if (!failure || !failure->held) break;
    wait(milliseconds);
    failure = files.ReplaceWhole(path, text);
  }
  return failure;
}

}  // namespace tavlin
