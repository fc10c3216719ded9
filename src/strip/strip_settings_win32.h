// The settings file beside tavlin.exe on the real disk: whether the player has asked for one,
// reading it, and writing it so that a crash leaves the old file or the new one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "strip/strip_restore.h"
#include "strip/strip_settings.h"

namespace tavlin {

class StripSettingsFile {
 public:
  /// Looks once, for the whole run, whether tavlin.ini is beside the program. Without it tavlin
  /// keeps no settings: Load gives the designed state and Save writes nothing.
  StripSettingsFile();

  /// The settings in the file; the designed state (all absent) when there is no file or it cannot
  /// be read. At most kSettingsFileCap bytes are read.
  StripSettings Load() const;

  /// Writes `settings` into the file, keeping the player's own lines, through a temporary file
  /// beside it that then replaces it in one step; does nothing when the file would not change.
  /// A file the player removed meanwhile is not made again. The first failure of the run gives
  /// the text to show the player; later ones give nothing.
  std::optional<std::string> Save(const StripSettings& settings);

 private:
  std::wstring path_;
  bool in_use_ = false;
  bool reported_ = false;
};

}  // namespace tavlin
