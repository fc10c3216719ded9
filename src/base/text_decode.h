// Turning the bytes of a player's file into the program's UTF-8 text.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavlin {

/// The text of a player's file: a NUL byte ends it; valid UTF-8 stays UTF-8 (a leading BOM is
/// dropped); anything else is read as code page 949. Bytes 949 cannot map become U+FFFD.
std::string DecodeUserText(std::string_view bytes);

/// Code page 949 bytes to UTF-8 (platform service).
std::string Cp949ToUtf8(std::string_view bytes);

/// Lines cut at CR LF, lone LF and lone CR; a line end at the very end adds no empty line, and
/// the empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

/// Where SplitLines cuts `text`: the start and the length of each line.
std::vector<std::pair<size_t, size_t>> LineSpans(std::string_view text);

/// The lines of a player's file, as SplitLines(DecodeUserText(bytes)) gives them, each decoded
/// only when it is asked for: a large file costs one pass over its bytes, not a decoded copy.
/// Line ends are single bytes in both encodings, so cutting before decoding gives the same lines.
class TextLines {
 public:
  explicit TextLines(std::string bytes);
  size_t size() const { return spans_.size(); }
  /// Line `index` (below size()) as UTF-8.
  std::string operator[](size_t index) const;

 private:
  std::string bytes_;  // up to the first NUL, without the BOM of a UTF-8 file
  bool utf8_ = true;
  std::vector<std::pair<size_t, size_t>> spans_;
};

}  // namespace tavlin
