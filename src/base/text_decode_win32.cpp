#include <windows.h>

#include "base/text_decode.h"

namespace tavlin {

namespace {

std::string WideToUtf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

}  // namespace

std::string Cp949ToUtf8(std::string_view bytes) {
  if (bytes.empty()) return {};
  // Without MB_ERR_INVALID_CHARS, bytes that do not map become U+FFFD-like defaults.
  const int size =
      MultiByteToWideChar(949, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(949, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
  return WideToUtf8(wide);
}

}  // namespace tavlin
