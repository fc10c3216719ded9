#include <windows.h>

#include "base/text_decode.h"
#include "base/wide_text.h"

namespace tavlin {

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
