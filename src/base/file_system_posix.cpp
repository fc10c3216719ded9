#include <limits.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/file_system.h"

namespace tavlin {

bool RealFileSystem::Exists(const std::string& path) const {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool RealFileSystem::ReadAll(const std::string& path, std::string* bytes,
                             std::string* reason) const {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *reason = strerror(errno);
    return false;
  }
  std::string content;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    *reason = "read error";
    return false;
  }
  *bytes = std::move(content);
  return true;
}

std::string ExecutableDirectory() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  const std::string full(path, length);
  return full.substr(0, full.rfind('/') + 1);
}

}  // namespace tavlin
