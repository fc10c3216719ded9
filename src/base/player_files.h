// The files a player keeps for tavlin, and the folders the program looks for them in.
#pragma once

#include <string>

#include "base/file_system.h"

namespace tavlin {

/// The working directory, as the paths of the quiz file and the sound file start.
inline constexpr char kWorkingDirectory[] = "./";

/// The alarm list's file name. Its alarms are read from the program's own folder
/// (ExecutableDirectory()), whatever the working directory; the start-up test that enables the
/// sound menu finds it as the other player's files are found (FindPlayerFile).
inline constexpr char kAlarmListFileName[] = "tavlin.gogo";

/// The alarm list's full path in `directory` (which ends in its separator).
inline std::string AlarmFilePath(const std::string& directory) {
  return directory + kAlarmListFileName;
}

/// The sound played when alarms fire, and the quiz file: found by FindPlayerFile.
inline constexpr char kAlarmSoundFileName[] = "tavlin00.wav";
inline constexpr char kQuizFileName[] = "tavlin.quiz";

/// The sound file and the quiz file in the working directory, where they are looked for first.
inline constexpr char kAlarmSoundFile[] = "./tavlin00.wav";
inline constexpr char kQuizFilePath[] = "./tavlin.quiz";

/// Where the player's file `name` is read from: the working directory when the file is there,
/// otherwise the program's folder `program_directory` (ending in its separator; empty: none).
/// A tavlin that Windows starts at sign-in runs in the system folder, not beside its files; a
/// player who starts it from a shortcut "in" another folder keeps the files found there.
inline std::string FindPlayerFile(const FileSystem& files, const std::string& name,
                                  const std::string& program_directory) {
  std::string here = kWorkingDirectory + name;
  if (program_directory.empty() || files.Exists(here)) return here;
  return program_directory + name;
}

/// The alarm sound file as FindPlayerFile finds it.
inline std::string AlarmSoundPath(const FileSystem& files, const std::string& program_directory) {
  return FindPlayerFile(files, kAlarmSoundFileName, program_directory);
}

}  // namespace tavlin
