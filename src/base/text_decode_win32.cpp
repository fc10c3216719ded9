#include <windows.h>

#include "base/text_decode.h"
#include "base/wide_text.h"

namespace tavlin {

std::string Cp949ToUtf8(std::string_view bytes, bool* clean) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  if (clean &&
      MultiByteToWideChar(949, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0) == 0) {
    *clean = false;
  }
  // Without MB_ERR_INVALID_CHARS, bytes that do not map become U+FFFD-like defaults.
  const int size = MultiByteToWideChar(949, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(949, 0, bytes.data(), length, wide.data(), size);
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
