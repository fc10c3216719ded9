#include <windows.h>

#include "base/text_decode.h"
#include "base/wide_text.h"

namespace tavlin {

namespace {

// Appends `bytes` as UTF-16 to `wide`; false, `wide` untouched, when a byte does not map.
bool AppendCp949(std::string_view bytes, std::wstring& wide) {
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(949, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size == 0) return false;
  const size_t at = wide.size();
  wide.resize(at + size);
  MultiByteToWideChar(949, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data() + at, size);
  return true;
}

}  // namespace

std::string Cp949ToUtf8(std::string_view bytes, bool* clean) {
  std::wstring wide;
  if (bytes.empty() || AppendCp949(bytes, wide)) return WideToUtf8(wide);
  if (clean) *clean = false;
  // Character by character: a byte code page 949 does not map becomes U+FFFD (not the system's
  // own stand-in), and the next byte is read afresh, as it may be a line end after a stray lead.
  for (size_t at = 0; at < bytes.size();) {
    const size_t length =
        IsDBCSLeadByteEx(949, static_cast<BYTE>(bytes[at])) && at + 1 < bytes.size() ? 2 : 1;
    if (AppendCp949(bytes.substr(at, length), wide)) {
      at += length;
    } else {
      wide += L'\xFFFD';
      ++at;
    }
  }
  return WideToUtf8(wide);
}

std::optional<std::string> Utf8ToCp949(std::string_view text) {
  if (text.empty()) return std::string();
  if (!IsValidUtf8(text)) return std::nullopt;
  const std::wstring wide = Utf8ToWide(text);
  const int length = static_cast<int>(wide.size());
  // No best fit: a character without a code page 949 form of its own is reported, not replaced
  // by a look-alike.
  BOOL used_default = FALSE;
  const int size = WideCharToMultiByte(949, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0,
                                       nullptr, &used_default);
  if (size == 0 || used_default) return std::nullopt;
  std::string bytes(size, '\0');
  WideCharToMultiByte(949, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), size, nullptr,
                      &used_default);
  if (used_default) return std::nullopt;
  return bytes;
}

}  // namespace tavlin
