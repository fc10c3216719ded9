// The alarm list file as the editor reads and replaces it: read when the editor opens, read again
// just before it is replaced, so that nothing the player saved meanwhile is overwritten.
#pragma once

#include <optional>
#include <string>

#include "base/file_replace.h"
#include "base/file_system.h"
#include "editor/alarm_list_edit.h"

namespace tavlin {

inline constexpr char kSavedMessage[] = "저장했습니다. 알림에 바로 쓰입니다.";
inline constexpr char kChangedMeanwhileMessage[] =
    "그동안 다른 프로그램이 tavlin.gogo를 바꿨습니다. 아무것도 쓰지 않았습니다.";
inline constexpr char kFolderMessage[] =
    "tavlin.gogo라는 이름의 폴더가 있어 알림 목록을 쓸 수 없습니다. 아무것도 쓰지 않았습니다.";
/// Followed by the operating system's reason.
inline constexpr char kNotSavedMessage[] = "tavlin.gogo를 저장하지 못했습니다: ";
inline constexpr char kNotReadMessage[] = "tavlin.gogo를 읽지 못했습니다: ";

/// The list as the editor found it on the disk.
struct OpenedList {
  AlarmListEdit edit;
  bool existed = false;  ///< a file was there; otherwise a new list beside the program
  std::string problem;   ///< why the file could not be read (a folder, a held file); else empty
};

/// Reads the list at `path` for editing: a new list when there is none.
OpenedList OpenAlarmList(const FileSystem& files, const std::string& path);

struct SaveOutcome {
  enum class Kind { kSaved, kChangedMeanwhile, kFailed };
  Kind kind = Kind::kSaved;
  std::string message;  ///< what the editor tells the player
};

/// Replaces the list at `path` with `edit`'s bytes, atomically and with retries while another
/// program holds it, when the file is still what `opened` found: the bytes loaded, or no file at
/// all. Nothing is written when a folder has the list's name, or the file changed meanwhile.
SaveOutcome SaveAlarmList(FileSystem& files, const std::string& path, const OpenedList& opened,
                          const WaitFunction& wait);

}  // namespace tavlin
