#include "strip/strip_settings_file.h"

#include <chrono>
#include <thread>
#include <utility>

namespace tavlin {

namespace {

FileSystem& RealDisk() {
  static RealFileSystem disk;
  return disk;
}

void SleepFor(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string CannotSave(const std::string& path, const std::string& reason) {
  return "설정 파일에 저장할 수 없습니다.\n" + path + "\n" + reason +
         "\n\n시계는 그대로 쓸 수 있지만, 이제부터 바꾸는 위치와 메뉴 설정은 다음 실행 때 "
         "기억되지 않습니다.";
}

}  // namespace

StripSettingsFile::StripSettingsFile()
    : StripSettingsFile(RealDisk(), ExecutableDirectory() + kSettingsFileName, SleepFor) {}

StripSettingsFile::StripSettingsFile(FileSystem& files, std::string path, WaitFunction wait)
    : files_(files), path_(std::move(path)), wait_(std::move(wait)), in_use_(files.Exists(path_)) {}

StripSettings StripSettingsFile::Load() const {
  std::string bytes, reason;
  bool larger = false;
  if (!in_use_ || !files_.ReadCapped(path_, kSettingsFileCap, &bytes, &larger, &reason)) return {};
  return ReadStripSettings(bytes);
}

std::optional<std::string> StripSettingsFile::Save(const StripSettings& settings) {
  if (!in_use_) return std::nullopt;
  // Read again: the player may have added notes to the file while tavlin ran.
  std::string old_text, reason;
  bool larger = false;
  if (!files_.ReadCapped(path_, kSettingsFileCap, &old_text, &larger, &reason)) {
    if (!files_.Exists(path_)) return std::nullopt;
    return Failed(reason);
  }
  // Rewriting it from its first part would lose the rest.
  if (larger)
    return Failed("파일이 " + std::to_string(kSettingsFileCap / 1024) + " KB보다 큽니다.");
  const std::string text = WriteStripSettings(old_text, settings);
  if (text == old_text) return std::nullopt;
  if (const auto failure = ReplaceFileRetrying(files_, path_, text, wait_)) {
    return Failed(failure->reason);
  }
  reported_.reset();
  return std::nullopt;
}

std::optional<std::string> StripSettingsFile::Failed(const std::string& reason) {
  // A lasting failure is told once, not at every change the player makes.
  if (reported_ == reason) return std::nullopt;
  reported_ = reason;
  return CannotSave(path_, reason);
}

}  // namespace tavlin
