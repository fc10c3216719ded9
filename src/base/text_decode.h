// Turning the bytes of a player's file into the program's UTF-8 text, and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavlin {

/// How a player's file is written. UTF-16 is told by its byte-order mark alone.
enum class TextEncoding { kCp949, kUtf8, kUtf16Le, kUtf16Be };

/// Where the text of a player's file lies in its bytes: after the byte-order mark (`start`) and
/// up to its first NUL character (`end`); for UTF-16 never past the last whole code unit.
struct TextLayout {
  TextEncoding encoding = TextEncoding::kUtf8;
  size_t start = 0;
  size_t end = 0;
};

/// The encoding and the extent of the text of a player's file: UTF-16 LE or BE when it starts
/// with their byte-order mark; else UTF-8 when the bytes up to the first NUL are valid UTF-8
/// (a leading BOM is left out of the text); else code page 949.
TextLayout LayOutPlayerText(std::string_view bytes);

/// A player's file decoded. `clean` is false when some of its bytes are none of its encoding's
/// characters (bytes code page 949 cannot map, an unpaired UTF-16 surrogate or a lone last
/// byte): those became U+FFFD.
struct DecodedText {
  std::string text;
  TextEncoding encoding = TextEncoding::kUtf8;
  bool clean = true;
};
DecodedText DecodePlayerText(std::string_view bytes);

/// The text of a player's file as DecodePlayerText gives it.
std::string DecodeUserText(std::string_view bytes);

/// Bytes of the text part of a file (as LayOutPlayerText cuts it) in `encoding` to UTF-8; sets
/// `*clean` to false when some bytes were replaced by U+FFFD.
std::string DecodeAs(std::string_view bytes, TextEncoding encoding, bool* clean = nullptr);

/// UTF-8 text in `encoding`, without a byte-order mark; nothing when code page 949 cannot hold
/// every character.
std::optional<std::string> EncodeAs(std::string_view text, TextEncoding encoding);

/// Code page 949 bytes to UTF-8 (platform service); bytes it cannot map become U+FFFD and set
/// `*clean` to false.
std::string Cp949ToUtf8(std::string_view bytes, bool* clean = nullptr);

/// UTF-8 text to code page 949 (platform service): nothing when a character has no code page 949
/// form of its own (no look-alike is put in its place).
std::optional<std::string> Utf8ToCp949(std::string_view text);

/// Lines cut at CR LF, lone LF and lone CR; a line end at the very end adds no empty line, and
/// the empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

/// Where SplitLines cuts `text`: the start and the length of each line.
std::vector<std::pair<size_t, size_t>> LineSpans(std::string_view text);

/// One line of a file's text in its own bytes: where it starts, its length and the length of the
/// line end after it (0 for a last line without one).
struct ByteLine {
  size_t start = 0;
  size_t length = 0;
  size_t end_length = 0;
};
/// The lines of `text` (the text part of a file in `encoding`), cut as LineSpans cuts the decoded
/// text; line ends of UTF-16 are two bytes per character.
std::vector<ByteLine> ByteLines(std::string_view text, TextEncoding encoding);

/// The lines of a player's file, as SplitLines(DecodeUserText(bytes)) gives them, each decoded
/// only when it is asked for: a large file costs one pass over its bytes, not a decoded copy.
/// Line ends are single bytes in UTF-8 and code page 949, so cutting before decoding gives the
/// same lines; a UTF-16 file is decoded whole.
class TextLines {
 public:
  explicit TextLines(std::string bytes);
  size_t size() const { return spans_.size(); }
  /// Line `index` (below size()) as UTF-8.
  std::string operator[](size_t index) const;

 private:
  std::string bytes_;  // the text part: UTF-8 or code page 949
  bool utf8_ = true;
  std::vector<std::pair<size_t, size_t>> spans_;
};

}  // namespace tavlin
