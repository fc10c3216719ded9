// The settings file beside tavlin.exe: whether the player has asked for one, reading it, and
// writing it so that a crash leaves the old file or the new one.
#pragma once

#include <optional>
#include <string>

#include "base/file_replace.h"
#include "base/file_system.h"
#include "strip/strip_settings.h"

namespace tavlin {

class StripSettingsFile {
 public:
  /// tavlin.ini beside the program on the real disk.
  StripSettingsFile();
  /// The file at `path` in `files`, which must outlive this; `wait` sleeps between tries at a
  /// save. Looks once, for the whole run, whether the file is there. Without it tavlin keeps no
  /// settings: Load gives the designed state and Save writes nothing.
  StripSettingsFile(FileSystem& files, std::string path, WaitFunction wait);

  /// The settings in the file; the designed state (all absent) when there is no file or it cannot
  /// be read. At most kSettingsFileCap bytes are read.
  StripSettings Load() const;

  /// Writes `settings` into the file, keeping the player's own lines, through a temporary file
  /// beside it that then replaces it in one step (tried again while another program holds it for
  /// a moment); does nothing when the file would not change. A file the player removed meanwhile
  /// is not made again, and one larger than kSettingsFileCap is never rewritten. A failure gives
  /// the text to show the player, unless it is the one shown last and no save has worked since.
  std::optional<std::string> Save(const StripSettings& settings);

 private:
  std::optional<std::string> Failed(const std::string& reason);

  FileSystem& files_;
  std::string path_;
  WaitFunction wait_;
  bool in_use_ = false;
  std::optional<std::string> reported_;  // the reason shown last, until a save works
};

}  // namespace tavlin
