// The disk as the core sees it: a narrow seam so that tests can use files kept in memory.
#pragma once

#include <string>

namespace tavlin {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  /// True when a file (not a folder) exists at `path` (UTF-8).
  virtual bool Exists(const std::string& path) const = 0;
  /// Reads the whole file, opened for reading with writers refused while it is open. On failure
  /// returns false and puts the operating system's reason into `reason`.
  virtual bool ReadAll(const std::string& path, std::string* bytes, std::string* reason) const = 0;
};

/// The real disk (platform service).
class RealFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) const override;
  bool ReadAll(const std::string& path, std::string* bytes, std::string* reason) const override;
};

/// The folder of the running program, up to and including its last path separator (platform
/// service).
std::string ExecutableDirectory();

}  // namespace tavlin
