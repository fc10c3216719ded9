// Feeds arbitrary bytes, as a player's file might hold them, to the decoder and the line
// splitter, and checks what every reader of players' files relies on: the text is well-formed
// UTF-8, text that already was UTF-8 comes through untouched, the characters the files are cut
// at survive decoding, lines hold no line ends and lose nothing between them, and lines cut
// before decoding are the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_decode.h"
#include "base/wide_text.h"

namespace {

// Well-formed UTF-8 is exactly the text that survives the way to UTF-16 and back: ill-formed
// bytes come back as U+FFFD. This does not trust IsValidUtf8 alone, which the decoder itself
// uses to choose between UTF-8 and code page 949.
bool RoundTripsThroughUtf16(std::string_view text) {
  return tavlin::Utf16ToUtf8(tavlin::Utf8ToUtf16(text)) == text;
}

// The text with every CR LF, lone CR and lone LF written as one LF.
std::string WithLfLineEnds(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view before_nul = bytes.substr(0, bytes.find('\0'));
  const std::string text = tavlin::DecodeUserText(bytes);

  Require(tavlin::IsValidUtf8(text));
  Require(RoundTripsThroughUtf16(text));
  Require(text.find('\0') == std::string::npos);

  // Text that was UTF-8 already is kept as it is, less a leading BOM.
  if (RoundTripsThroughUtf16(before_nul)) {
    std::string_view expected = before_nul;
    if (expected.substr(0, 3) == "\xEF\xBB\xBF") expected.remove_prefix(3);
    Require(text == expected);
  }

  // The alarm list is cut at "|", ":" and "//", and every file at its line ends. No trail byte of
  // code page 949 is one of these, so neither encoding may gain or lose one.
  const tavlin::TextLayout layout = tavlin::LayOutPlayerText(bytes);
  const bool utf16 = layout.encoding == tavlin::TextEncoding::kUtf16Le ||
                     layout.encoding == tavlin::TextEncoding::kUtf16Be;
  for (const char cut : {'|', ':', '/', '\r', '\n'}) {
    Require(utf16 || std::count(text.begin(), text.end(), cut) ==
                         std::count(before_nul.begin(), before_nul.end(), cut));
  }

  // Lines cut in the file's own bytes and decoded one by one, as the alarm editor reads them,
  // are the lines of the decoded text.
  const std::string_view part = bytes.substr(layout.start, layout.end - layout.start);
  std::vector<std::string> byte_lines;
  for (const tavlin::ByteLine& line : tavlin::ByteLines(part, layout.encoding))
    byte_lines.push_back(tavlin::DecodeAs(part.substr(line.start, line.length), layout.encoding));
  Require(byte_lines == tavlin::SplitLines(text));

  // Lines hold no line ends, and put back together with LF they are the whole text.
  const auto lines = tavlin::SplitLines(text);
  std::string joined;
  for (const std::string& line : lines) {
    Require(line.find_first_of("\r\n") == std::string::npos);
    joined += line;
    joined += '\n';
  }
  std::string expected = WithLfLineEnds(text);
  if (!expected.empty() && expected.back() != '\n') expected += '\n';
  Require(joined == expected);
  return 0;
}
