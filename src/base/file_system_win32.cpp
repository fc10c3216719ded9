#include <windows.h>

#include <algorithm>

#include "base/file_system.h"
#include "base/system_error_win32.h"
#include "base/wide_text.h"

namespace tavlin {

std::string SystemReason(DWORD code) {
  wchar_t* message = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::wstring text = message != nullptr ? message : L"";
  LocalFree(message);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.pop_back();
  }
  if (text.empty()) text = L"Error " + std::to_wstring(code);
  return WideToUtf8(text);
}

std::optional<FileStamp> RealFileSystem::Stamp(const std::string& path) const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  return FileStamp{
      (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
      static_cast<int64_t>((static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime)};
}

bool RealFileSystem::IsFolder(const std::string& path) const {
  const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

constexpr DWORD kLargePiece = 1 << 24;

// An open file, closed when it goes.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) CloseHandle(h_);
  }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

// The player's editor may save the file, or replace it, while we read: we never stand in its way.
// A half-saved file read meanwhile changes its stamp, and callers read it again.
HANDLE OpenForReading(const std::string& path) {
  return CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The whole of `bytes` in a new file at `path`, on the disk before it returns; 0 or the error.
DWORD WriteNewFile(const std::wstring& path, const std::string& bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file.valid() ||
      !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      !FlushFileBuffers(file.get())) {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_WRITE_FAULT;
  }
  return written == bytes.size() ? 0 : ERROR_WRITE_FAULT;
}

}  // namespace

bool RealFileSystem::ReadAll(const std::string& path, std::string* bytes,
                             std::string* reason) const {
  const FileHandle file(OpenForReading(path));
  if (!file.valid()) {
    *reason = SystemReason(GetLastError());
    return false;
  }
  // The text is as large as the file and no larger: the quiz file's text is kept for as long as
  // tavlin runs. The reads ask for what the size says is left and one byte more, so a file that
  // grew meanwhile fills them and is read on to its end in large pieces.
  std::string content;
  LARGE_INTEGER size{};
  size_t expected = 0;
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) expected = size.QuadPart;
  content.reserve(expected + 1);
  bool ok = true;
  for (;;) {
    const size_t at = content.size();
    const DWORD want = at <= expected
                           ? static_cast<DWORD>(std::min<size_t>(expected - at + 1, kLargePiece))
                           : kLargePiece;
    content.resize(at + want);
    DWORD got = 0;
    ok = ReadFile(file.get(), content.data() + at, want, &got, nullptr) != 0;
    content.resize(at + (ok ? got : 0));
    if (!ok || got < want) break;  // a short read is the end of the file
  }
  if (content.capacity() - content.size() > kLargePiece / 16) content.shrink_to_fit();
  if (!ok) *reason = SystemReason(GetLastError());
  if (ok) *bytes = std::move(content);
  return ok;
}

bool RealFileSystem::ReadCapped(const std::string& path, size_t cap, std::string* bytes,
                                bool* larger, std::string* reason) const {
  const FileHandle file(OpenForReading(path));
  if (!file.valid()) {
    *reason = SystemReason(GetLastError());
    return false;
  }
  // One byte past the cap tells whether there is more.
  std::string content(cap + 1, '\0');
  size_t have = 0;
  while (have < content.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(content.size() - have, kLargePiece));
    if (!ReadFile(file.get(), content.data() + have, want, &got, nullptr)) {
      *reason = SystemReason(GetLastError());
      return false;
    }
    if (got == 0) break;
    have += got;
  }
  *larger = have > cap;
  content.resize(std::min(have, cap));
  *bytes = std::move(content);
  return true;
}

std::optional<WriteFailure> RealFileSystem::ReplaceWhole(const std::string& path,
                                                         const std::string& text) {
  const std::wstring target = Utf8ToWide(path);
  const std::wstring temporary = target + L".tmp";
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    // The player's read-only mark is a wish too: such a file is never replaced.
    return WriteFailure{false, SystemReason(ERROR_ACCESS_DENIED)};
  }
  DWORD error = WriteNewFile(temporary, text);
  if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
  }
  if (error == 0) return std::nullopt;
  DeleteFileW(temporary.c_str());
  const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                    error == ERROR_LOCK_VIOLATION;
  return WriteFailure{held, SystemReason(error)};
}

std::string ExecutablePath() {
  // A path longer than MAX_PATH is cut to fit the buffer: the buffer grows until it holds it.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return WideToUtf8(path);
}

std::string ExecutableDirectory() {
  const std::string path = ExecutablePath();
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? "" : path.substr(0, separator + 1);
}

}  // namespace tavlin
