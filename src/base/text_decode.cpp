#include "base/text_decode.h"

#include "base/wide_text.h"

namespace tavlin {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

bool IsUtf16(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf16Le || encoding == TextEncoding::kUtf16Be;
}

// The code unit at `at` of UTF-16 bytes (two of them from `at` on).
char16_t UnitAt(std::string_view bytes, size_t at, TextEncoding encoding) {
  const auto first = static_cast<unsigned char>(bytes[at]);
  const auto second = static_cast<unsigned char>(bytes[at + 1]);
  return encoding == TextEncoding::kUtf16Le ? static_cast<char16_t>(first | second << 8)
                                            : static_cast<char16_t>(first << 8 | second);
}

bool HasUnpairedSurrogate(std::u16string_view units) {
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (unit < 0xD800 || unit > 0xDFFF) continue;
    if (unit > 0xDBFF || i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF)
      return true;
    ++i;
  }
  return false;
}

}  // namespace

TextLayout LayOutPlayerText(std::string_view bytes) {
  TextLayout layout;
  for (const auto& [bom, encoding] : {std::pair{kUtf16LeBom, TextEncoding::kUtf16Le},
                                      std::pair{kUtf16BeBom, TextEncoding::kUtf16Be}}) {
    if (bytes.substr(0, bom.size()) != bom) continue;
    layout.encoding = encoding;
    layout.start = bom.size();
    layout.end = layout.start;
    while (layout.end + 1 < bytes.size() && UnitAt(bytes, layout.end, encoding) != 0)
      layout.end += 2;
    return layout;
  }
  const size_t nul = bytes.find('\0');
  layout.end = nul == std::string_view::npos ? bytes.size() : nul;
  const std::string_view text = bytes.substr(0, layout.end);
  layout.encoding = IsValidUtf8(text) ? TextEncoding::kUtf8 : TextEncoding::kCp949;
  if (layout.encoding == TextEncoding::kUtf8 && text.substr(0, kBom.size()) == kBom)
    layout.start = kBom.size();
  return layout;
}

std::string DecodeAs(std::string_view bytes, TextEncoding encoding, bool* clean) {
  bool whole = true;
  std::string text;
  if (encoding == TextEncoding::kCp949) {
    text = Cp949ToUtf8(bytes, &whole);
  } else if (encoding == TextEncoding::kUtf8) {
    whole = IsValidUtf8(bytes);
    text = whole ? std::string(bytes) : Utf16ToUtf8(Utf8ToUtf16(bytes));
  } else {
    std::u16string units;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) units += UnitAt(bytes, at, encoding);
    whole = bytes.size() % 2 == 0 && !HasUnpairedSurrogate(units);
    if (bytes.size() % 2 != 0) units += u'\xFFFD';
    text = Utf16ToUtf8(units);
  }
  if (clean && !whole) *clean = false;
  return text;
}

DecodedText DecodePlayerText(std::string_view bytes) {
  const TextLayout layout = LayOutPlayerText(bytes);
  DecodedText decoded;
  decoded.encoding = layout.encoding;
  decoded.text = DecodeAs(bytes.substr(layout.start, layout.end - layout.start), layout.encoding,
                          &decoded.clean);
  // A UTF-16 file whose last byte is half a character.
  if (IsUtf16(layout.encoding) && layout.end + 1 == bytes.size()) decoded.clean = false;
  return decoded;
}

std::string DecodeUserText(std::string_view bytes) {
  return DecodePlayerText(bytes).text;
}

std::optional<std::string> EncodeAs(std::string_view text, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return std::string(text);
  if (encoding == TextEncoding::kCp949) return Utf8ToCp949(text);
  std::string bytes;
  for (const char16_t unit : Utf8ToUtf16(text)) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += encoding == TextEncoding::kUtf16Le ? low : high;
    bytes += encoding == TextEncoding::kUtf16Le ? high : low;
  }
  return bytes;
}

std::vector<ByteLine> ByteLines(std::string_view text, TextEncoding encoding) {
  const size_t unit = IsUtf16(encoding) ? 2 : 1;
  const auto at = [&](size_t i) -> char16_t {
    return unit == 2 ? UnitAt(text, i, encoding) : static_cast<unsigned char>(text[i]);
  };
  std::vector<ByteLine> lines;
  size_t start = 0;
  for (size_t i = 0; i + unit <= text.size(); i += unit) {
    if (at(i) != u'\r' && at(i) != u'\n') continue;
    size_t end_length = unit;
    if (at(i) == u'\r' && i + 2 * unit <= text.size() && at(i + unit) == u'\n') end_length += unit;
    lines.push_back({start, i - start, end_length});
    i += end_length - unit;
    start = i + unit;
  }
  if (start < text.size()) lines.push_back({start, text.size() - start, 0});
  return lines;
}

std::vector<std::pair<size_t, size_t>> LineSpans(std::string_view text) {
  std::vector<std::pair<size_t, size_t>> spans;
  for (const ByteLine& line : ByteLines(text, TextEncoding::kUtf8))
    spans.emplace_back(line.start, line.length);
  return spans;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (const auto& [start, length] : LineSpans(text))
    lines.emplace_back(text.substr(start, length));
  return lines;
}

TextLines::TextLines(std::string bytes) {
  const TextLayout layout = LayOutPlayerText(bytes);
  if (IsUtf16(layout.encoding)) {
    bytes_ = DecodePlayerText(bytes).text;
  } else {
    // Trimmed in place: a large file is not copied.
    bytes.resize(layout.end);
    bytes.erase(0, layout.start);
    bytes_ = std::move(bytes);
    utf8_ = layout.encoding == TextEncoding::kUtf8;
  }
  spans_ = LineSpans(bytes_);
}

std::string TextLines::operator[](size_t index) const {
  const std::string_view line =
      std::string_view(bytes_).substr(spans_[index].first, spans_[index].second);
  return utf8_ ? std::string(line) : Cp949ToUtf8(line);
}

}  // namespace tavlin
