// Turning the bytes of a player's file into the program's UTF-8 text.
#pragma once

#include <string>
#include <string_view>
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

}  // namespace tavlin
