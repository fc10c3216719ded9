#include <iconv.h>

#include <algorithm>

#include "base/text_decode.h"

namespace tavlin {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

// Bytes of the code page 949 character that starts with `lead`: a lead byte 0x81..0xFE takes a
// trail byte, everything else stands alone.
size_t CharacterLength(unsigned char lead) {
  return lead >= 0x81 && lead <= 0xFE ? 2 : 1;
}

}  // namespace

std::string Cp949ToUtf8(std::string_view bytes, bool* clean) {
  iconv_t converter = iconv_open("UTF-8", "CP949");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
  std::string out;
  // One character at a time: on some malformed pairs the C library's converter reports progress
  // past the end of its input, so its error positions cannot be trusted to resume from.
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = std::min(CharacterLength(bytes[at]), bytes.size() - at);
    char in[2] = {bytes[at], length > 1 ? bytes[at + 1] : '\0'};
    char buffer[8];
    char* in_at = in;
    size_t in_left = length;
    char* out_at = buffer;
    size_t out_left = sizeof buffer;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    const size_t done = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    const bool converted = done != static_cast<size_t>(-1) && in_left == 0 &&
                           out_left <= sizeof buffer && out_at > buffer;
    if (converted) {
      out.append(buffer, out_at - buffer);
      at += length;
    } else {
      // A byte code page 949 does not map: show the replacement character and go on with the
      // next byte, which may be a line end after a stray lead byte.
      out.append(kReplacement);
      if (clean) *clean = false;
      ++at;
    }
  }
  iconv_close(converter);
  return out;
}

std::optional<std::string> Utf8ToCp949(std::string_view text) {
  iconv_t converter = iconv_open("CP949", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // No character takes more bytes in code page 949 than in UTF-8.
  std::string out(text.size() + 8, '\0');
  std::string in(text);
  char* in_at = in.data();
  size_t in_left = in.size();
  char* out_at = out.data();
  size_t out_left = out.size();
  // A count of characters converted "irreversibly" is a look-alike put in a character's place.
  const size_t done = iconv(converter, &in_at, &in_left, &out_at, &out_left);
  iconv_close(converter);
  if (done != 0 || in_left != 0) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace tavlin
