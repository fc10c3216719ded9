// The disk as the core sees it: a narrow seam so that tests can use files kept in memory.
#pragma once

#include <map>
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

/// Files kept in memory, for tests. A file listed in `unreadable` exists but cannot be opened.
class MemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, std::string> unreadable;  // path -> reason

  bool Exists(const std::string& path) const override {
    return files.count(path) > 0 || unreadable.count(path) > 0;
  }
  bool ReadAll(const std::string& path, std::string* bytes, std::string* reason) const override {
    if (auto it = unreadable.find(path); it != unreadable.end()) {
      *reason = it->second;
      return false;
    }
    auto it = files.find(path);
    if (it == files.end()) {
      *reason = "The system cannot find the file specified";
      return false;
    }
    *bytes = it->second;
    return true;
  }
};

}  // namespace tavlin
