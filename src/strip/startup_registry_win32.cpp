#include "strip/startup_registry_win32.h"

#include <windows.h>

#include <string>

#include "base/system_error_win32.h"
#include "base/wide_text.h"

namespace tavlin {

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// The value `name` under HKCU\`key` of one of `types`, as raw bytes; nothing when it is not
// there or cannot be read (a value that cannot be read starts nothing either).
std::optional<std::string> ReadValue(const wchar_t* key, DWORD types) {
  const std::wstring name = Utf8ToWide(kRunValueName);
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), types, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The value may grow between the two calls: ask again with the size it has then.
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::string bytes(size, '\0');
    const LSTATUS status =
        RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), types, nullptr, bytes.data(), &size);
    if (status == ERROR_SUCCESS) {
      bytes.resize(size);
      return bytes;
    }
    if (status != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> Refused(LSTATUS status) {
  if (status == ERROR_SUCCESS) return std::nullopt;
  return SystemReason(static_cast<DWORD>(status));
}

std::optional<std::string> DeleteValue(const wchar_t* key) {
  const LSTATUS status =
      RegDeleteKeyValueW(HKEY_CURRENT_USER, key, Utf8ToWide(kRunValueName).c_str());
  // Already gone (or its key never made): that is what was asked.
  if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) return std::nullopt;
  return Refused(status);
}

}  // namespace

StartupEntry Win32StartupRegistry::Read() const {
  StartupEntry entry;
  // RRF_RT_REG_SZ with RegGetValueW: the text comes back ended by its null, whatever was stored.
  if (auto bytes = ReadValue(kRunKey, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND)) {
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    bytes->copy(reinterpret_cast<char*>(text.data()), text.size() * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), text.size()));
    entry.run_value = WideToUtf8(text);
  }
  entry.approval = ReadValue(kApprovedKey, RRF_RT_REG_BINARY);
  return entry;
}

std::optional<std::string> Win32StartupRegistry::WriteRunValue(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  return Refused(RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, Utf8ToWide(kRunValueName).c_str(),
                                 REG_SZ, wide.c_str(),
                                 static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))));
}

std::optional<std::string> Win32StartupRegistry::DeleteRunValue() {
  return DeleteValue(kRunKey);
}

std::optional<std::string> Win32StartupRegistry::DeleteApproval() {
  return DeleteValue(kApprovedKey);
}

}  // namespace tavlin
