// The disk as the core sees it: a narrow seam so that tests can use files kept in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavlin {

/// What the disk says about a file without reading it. Saving a file changes its stamp, so a file
/// whose stamp is unchanged need not be read again.
struct FileStamp {
  uint64_t size = 0;
  int64_t modified = 0;  ///< the last write, in the platform's own units: only compared
  bool operator==(const FileStamp&) const = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  /// The size and last-write time of the file (not a folder) at `path` (UTF-8); nothing when
  /// there is no such file.
  virtual std::optional<FileStamp> Stamp(const std::string& path) const = 0;
  /// True when a folder (not a file) exists at `path`.
  virtual bool IsFolder(const std::string& path) const = 0;
  /// Reads the whole file, opened for reading without refusing anyone else: a program may write,
  /// rename or delete it meanwhile, so what is read may be half of a save (its Stamp tells). A
  /// file another program holds with readers refused cannot be read. On failure returns false
  /// and puts the operating system's reason into `reason`.
  virtual bool ReadAll(const std::string& path, std::string* bytes, std::string* reason) const = 0;

  /// True when a file (not a folder) exists at `path`.
  bool Exists(const std::string& path) const { return Stamp(path).has_value(); }
};

/// The real disk (platform service).
class RealFileSystem : public FileSystem {
 public:
  std::optional<FileStamp> Stamp(const std::string& path) const override;
  bool IsFolder(const std::string& path) const override;
  bool ReadAll(const std::string& path, std::string* bytes, std::string* reason) const override;
};

/// The folder of the running program, up to and including its last path separator (platform
/// service).
std::string ExecutableDirectory();

}  // namespace tavlin
