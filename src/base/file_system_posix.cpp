#include <limits.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "base/file_system.h"

namespace tavlin {

std::optional<FileStamp> RealFileSystem::Stamp(const std::string& path) const {
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return FileStamp{static_cast<uint64_t>(info.st_size),
                   static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

bool RealFileSystem::IsFolder(const std::string& path) const {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool RealFileSystem::ReadAll(const std::string& path, std::string* bytes,
                             std::string* reason) const {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *reason = strerror(errno);
    return false;
  }
  // The text is as large as the file and no larger: the quiz file's text is kept for as long as
  // tavlin runs. The reads ask for what the size says is left and one byte more, so a file that
  // grew meanwhile fills them and is read on to its end in large pieces.
  constexpr size_t kLargePiece = 1 << 24;
  std::string content;
  size_t expected = 0;
  struct stat info;
  if (fstat(fileno(file), &info) == 0 && info.st_size > 0) expected = info.st_size;
  content.reserve(expected + 1);
  for (;;) {
    const size_t at = content.size();
    const size_t want = at <= expected ? std::min(expected - at + 1, kLargePiece) : kLargePiece;
    content.resize(at + want);
    const size_t got = std::fread(content.data() + at, 1, want, file);
    content.resize(at + got);
    if (got < want) break;  // the end of the file, or an error
  }
  if (content.capacity() - content.size() > kLargePiece / 16) content.shrink_to_fit();
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    *reason = "read error";
    return false;
  }
  *bytes = std::move(content);
  return true;
}

bool RealFileSystem::ReadCapped(const std::string& path, size_t cap, std::string* bytes,
                                bool* larger, std::string* reason) const {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *reason = strerror(errno);
    return false;
  }
  // One byte past the cap tells whether there is more.
  std::string content(cap + 1, '\0');
  const size_t have = std::fread(content.data(), 1, content.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    *reason = "read error";
    return false;
  }
  *larger = have > cap;
  content.resize(std::min(have, cap));
  *bytes = std::move(content);
  return true;
}

std::optional<WriteFailure> RealFileSystem::ReplaceWhole(const std::string& path,
                                                         const std::string& text) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0) {
    // The player's read-only mark is a wish too: such a file is never replaced.
    return WriteFailure{false, strerror(EACCES)};
  }
  const std::string temporary = path + ".tmp";
  int error = 0;
  if (FILE* file = std::fopen(temporary.c_str(), "wb")) {
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0 ||
        fsync(fileno(file)) != 0) {
      error = errno != 0 ? errno : EIO;
    }
    if (std::fclose(file) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  } else {
    error = errno;
  }
  if (error == 0) return std::nullopt;
  unlink(temporary.c_str());
  return WriteFailure{error == EBUSY || error == ETXTBSY, strerror(error)};
}

std::string ExecutablePath() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length <= 0 ? "" : std::string(path, length);
}

std::string ExecutableDirectory() {
  const std::string full = ExecutablePath();
  if (full.empty()) return "./";
  return full.substr(0, full.rfind('/') + 1);
}

}  // namespace tavlin
