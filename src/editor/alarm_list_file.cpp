#include "editor/alarm_list_file.h"

namespace tavlin {

OpenedList OpenAlarmList(const FileSystem& files, const std::string& path) {
  OpenedList opened{AlarmListEdit::New(), false, {}};
  if (files.IsFolder(path)) {
    opened.problem = kFolderMessage;
    return opened;
  }
  if (!files.Exists(path)) return opened;
  opened.existed = true;
  std::string bytes, reason;
  if (!files.ReadAll(path, &bytes, &reason)) {
    opened.problem = kNotReadMessage + reason;
    return opened;
  }
  opened.edit = AlarmListEdit::Load(std::move(bytes));
  return opened;
}

SaveOutcome SaveAlarmList(FileSystem& files, const std::string& path, const OpenedList& opened,
                          const WaitFunction& wait) {
  using Kind = SaveOutcome::Kind;
  if (files.IsFolder(path)) return {Kind::kFailed, kFolderMessage};
  if (files.Exists(path) != opened.existed)
    return {Kind::kChangedMeanwhile, kChangedMeanwhileMessage};
  if (opened.existed) {
    std::string bytes, reason;
    if (!files.ReadAll(path, &bytes, &reason)) return {Kind::kFailed, kNotReadMessage + reason};
    // A list that could not be read when the editor opened is never written over.
    if (!opened.problem.empty() || bytes != opened.edit.loaded_bytes())
      return {Kind::kChangedMeanwhile, kChangedMeanwhileMessage};
  }
  if (auto failure = ReplaceFileRetrying(files, path, opened.edit.Bytes(), wait))
    return {Kind::kFailed, kNotSavedMessage + failure->reason};
  return {Kind::kSaved, kSavedMessage};
}

}  // namespace tavlin
