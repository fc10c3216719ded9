// The files a player keeps for tavlin, and the folders the program looks for them in.
#pragma once

#include <string>

namespace tavlin {

/// The working directory, as the paths of the quiz file and the sound file start.
inline constexpr char kWorkingDirectory[] = "./";

/// The alarm list's file name. It is looked for in two folders, on purpose: its alarms are read
/// from the program's own folder (ExecutableDirectory()), whatever the working directory, while
/// the start-up test that enables the sound menu looks for it in the working directory
/// (kWorkingDirectory). Players keep both beside each other, so both places stay.
inline constexpr char kAlarmListFileName[] = "tavlin.gogo";

/// The alarm list's full path in `directory` (which ends in its separator).
inline std::string AlarmFilePath(const std::string& directory) {
  return directory + kAlarmListFileName;
}

/// The sound played when alarms fire, relative to the working directory.
inline constexpr char kAlarmSoundFile[] = "./tavlin00.wav";

/// The quiz file, relative to the working directory (not to the program's folder).
inline constexpr char kQuizFilePath[] = "./tavlin.quiz";

}  // namespace tavlin
