#include <errno.h>
#include <iconv.h>

#include "clock/text_decode.h"

namespace tavlin {

std::string Cp949ToUtf8(std::string_view bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP949");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
  std::string out;
  std::string in(bytes);
  char* in_at = in.data();
  size_t in_left = in.size();
  char buffer[256];
  while (in_left > 0) {
    char* out_at = buffer;
    size_t out_left = sizeof buffer;
    const size_t done = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    out.append(buffer, out_at - buffer);
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {
      // A byte code page 949 does not map: show the replacement character and go on.
      out.append("\xEF\xBF\xBD");
      ++in_at;
      --in_left;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace tavlin
