// UTF-8 inside the program, UTF-16 at the Windows boundary.
#pragma once

#include <string>
#include <string_view>

namespace tavlin {

/// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

/// UTF-8 to UTF-16; ill-formed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
/// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

#ifdef _WIN32
// wchar_t is a UTF-16 code unit on Windows.
inline std::wstring Utf8ToWide(std::string_view text) {
  const std::u16string wide = Utf8ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}
inline std::string WideToUtf8(std::wstring_view text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}
#endif

}  // namespace tavlin
