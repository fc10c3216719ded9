#include "strip/strip_settings_win32.h"

#include <algorithm>

#include "base/file_system.h"
#include "base/system_error_win32.h"
#include "base/wide_text.h"

namespace tavlin {

namespace {

constexpr wchar_t kTemporarySuffix[] = L".tmp";

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (valid()) CloseHandle(h_);
  }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

enum class ReadResult { kRead, kNoFile, kFailed, kTooLarge };

// Up to kSettingsFileCap bytes of the file; kTooLarge when there is more.
ReadResult ReadCapped(const std::wstring& path, std::string* bytes, DWORD* error) {
  Handle file(CreateFileW(path.c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    *error = GetLastError();
    return *error == ERROR_FILE_NOT_FOUND ? ReadResult::kNoFile : ReadResult::kFailed;
  }
  std::string content(kSettingsFileCap + 1, '\0');
  size_t have = 0;
  DWORD got = 0;
  while (have < content.size()) {
    if (!ReadFile(file.get(), content.data() + have, static_cast<DWORD>(content.size() - have),
                  &got, nullptr)) {
      *error = GetLastError();
      return ReadResult::kFailed;
    }
    if (got == 0) break;
    have += got;
  }
  content.resize(std::min(have, kSettingsFileCap));
  *bytes = std::move(content);
  return have > kSettingsFileCap ? ReadResult::kTooLarge : ReadResult::kRead;
}

// The whole of `bytes` in a new file at `path`, on the disk before it returns.
bool WriteNewFile(const std::wstring& path, const std::string& bytes, DWORD* error) {
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file.valid() ||
      !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size() || !FlushFileBuffers(file.get())) {
    *error = GetLastError();
    return false;
  }
  return true;
}

std::string CannotSave(const std::wstring& path, const std::string& reason) {
  return "설정 파일에 저장할 수 없습니다.\n" + WideToUtf8(path) + "\n" + reason +
         "\n\n시계는 그대로 쓸 수 있지만, 이제부터 바꾸는 위치와 메뉴 설정은 다음 실행 때 "
         "기억되지 않습니다.";
}

}  // namespace

StripSettingsFile::StripSettingsFile()
    : path_(Utf8ToWide(ExecutableDirectory() + kSettingsFileName)) {
  const DWORD attributes = GetFileAttributesW(path_.c_str());
  in_use_ = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

StripSettings StripSettingsFile::Load() const {
  std::string bytes;
  DWORD error = 0;
  if (!in_use_) return {};
  const ReadResult read = ReadCapped(path_, &bytes, &error);
  if (read != ReadResult::kRead && read != ReadResult::kTooLarge) return {};
  return ReadStripSettings(bytes);
}

std::optional<std::string> StripSettingsFile::Save(const StripSettings& settings) {
  if (!in_use_) return std::nullopt;
  // Read again: the player may have added notes to the file while tavlin ran.
  std::string old_text;
  DWORD error = 0;
  std::string reason;
  switch (ReadCapped(path_, &old_text, &error)) {
    case ReadResult::kNoFile:
      return std::nullopt;
    case ReadResult::kFailed:
      reason = SystemReason(error);
      break;
    case ReadResult::kTooLarge:
      // Rewriting it from its first part would lose the rest.
      reason = "파일이 " + std::to_string(kSettingsFileCap / 1024) + " KB보다 큽니다.";
      break;
    case ReadResult::kRead: {
      const std::string text = WriteStripSettings(old_text, settings);
      if (text == old_text) return std::nullopt;
      const std::wstring temporary = path_ + kTemporarySuffix;
      const DWORD attributes = GetFileAttributesW(path_.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        // The player's read-only mark is a wish too: never replace such a file.
        reason = SystemReason(ERROR_ACCESS_DENIED);
      } else if (!WriteNewFile(temporary, text, &error) ||
                 !MoveFileExW(temporary.c_str(), path_.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (error == 0) error = GetLastError();
        reason = SystemReason(error);
        DeleteFileW(temporary.c_str());
      } else {
        return std::nullopt;
      }
      break;
    }
  }
  if (reported_) return std::nullopt;
  reported_ = true;
  return CannotSave(path_, reason);
}

}  // namespace tavlin
