#include "base/text_decode.h"

#include "base/wide_text.h"

namespace tavlin {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The bytes up to the first NUL, and whether they are UTF-8 (then without their BOM).
std::string_view TextPart(std::string_view bytes, bool* utf8) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  *utf8 = IsValidUtf8(bytes);
  if (*utf8 && bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  return bytes;
}

}  // namespace

std::string DecodeUserText(std::string_view bytes) {
  bool utf8 = true;
  const std::string_view text = TextPart(bytes, &utf8);
  return utf8 ? std::string(text) : Cp949ToUtf8(text);
}

std::vector<std::pair<size_t, size_t>> LineSpans(std::string_view text) {
  std::vector<std::pair<size_t, size_t>> spans;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    spans.emplace_back(start, i - start);
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) spans.emplace_back(start, text.size() - start);
  return spans;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (const auto& [start, length] : LineSpans(text))
    lines.emplace_back(text.substr(start, length));
  return lines;
}

TextLines::TextLines(std::string bytes) {
  const std::string_view text = TextPart(bytes, &utf8_);
  // Trimmed in place: a large file is not copied.
  const size_t start = static_cast<size_t>(text.data() - bytes.data()), length = text.size();
  bytes.resize(start + length);
  bytes.erase(0, start);
  bytes_ = std::move(bytes);
  spans_ = LineSpans(bytes_);
}

std::string TextLines::operator[](size_t index) const {
  const std::string_view line =
      std::string_view(bytes_).substr(spans_[index].first, spans_[index].second);
  return utf8_ ? std::string(line) : Cp949ToUtf8(line);
}

}  // namespace tavlin
