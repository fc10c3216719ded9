// The disk as the core sees it: a narrow seam so that tests can use files kept in memory.
#pragma once

#include <cstddef>
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

/// Why one attempt at replacing a file failed.
struct WriteFailure {
  /// Another program held the file for a moment (a virus scanner or an indexer opens every file
  /// that changes): access denied, a sharing violation or a lock violation. Worth another try.
  bool held = false;
  std::string reason;  ///< the operating system's words
  bool operator==(const WriteFailure&) const = default;
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

  /// Reads at most `cap` bytes from the start of the file, opened as ReadAll opens it; `larger`
  /// tells whether the file goes on past them. On failure returns false with the reason.
  virtual bool ReadCapped(const std::string& path, size_t cap, std::string* bytes, bool* larger,
                          std::string* reason) const = 0;
  /// Replaces the file at `path` with `text` in one step, so that a crash leaves the old file or
  /// the new one: the whole text goes to a temporary file beside it, which reaches the disk and
  /// is then moved over the old file, the move too reaching the disk before this returns. A
  /// read-only file is refused. On failure the temporary file is removed and the old file is
  /// whole. Nothing when done.
  virtual std::optional<WriteFailure> ReplaceWhole(const std::string& path,
                                                   const std::string& text) = 0;

  /// True when a file (not a folder) exists at `path`.
  bool Exists(const std::string& path) const { return Stamp(path).has_value(); }
};

/// The real disk (platform service).
class RealFileSystem : public FileSystem {
 public:
  std::optional<FileStamp> Stamp(const std::string& path) const override;
  bool IsFolder(const std::string& path) const override;
  bool ReadAll(const std::string& path, std::string* bytes, std::string* reason) const override;
  bool ReadCapped(const std::string& path, size_t cap, std::string* bytes, bool* larger,
                  std::string* reason) const override;
  std::optional<WriteFailure> ReplaceWhole(const std::string& path,
                                           const std::string& text) override;
};

/// The full path of the running program (platform service).
std::string ExecutablePath();

/// The folder of the running program, up to and including its last path separator (platform
/// service).
std::string ExecutableDirectory();

}  // namespace tavlin
