// base/ holds the services every folder may use: text, UTF-16, players' files and the disk.
// Small text operations shared by the clock, the alarm list and the windows.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavlin {

/// A failure whose message is the exact text the player is shown.
class TavlinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A failure that has already been shown to the player: whoever catches it only ends the work at
/// hand and says nothing more.
class ReportedError : public TavlinError {
 public:
  using TavlinError::TavlinError;
};

/// Decimal text of `n`, with one "0" in front when n is below 10 (7 -> "07", 120 -> "120").
std::string TwoDigits(int32_t n);

/// "hh:mm:ss" of an HHMMSS value (1647 -> "00:16:47"), divisions truncating.
std::string HhmmssToText(int32_t v);

/// "hh:mm" of an HHMMSS value written as decimal text ("130000" -> "13:00", "224" -> "00:02").
/// Throws TavlinError("'%s' is not a valid integer value") when `s` is not integer text.
std::string HhmmssTextToHhmm(std::string_view s);

/// The pieces of `s` between occurrences of `separator`. A separator at the very end adds no
/// empty last piece ("a|b|" -> a, b); adjacent separators give an empty piece ("a||b" -> a, "", b);
/// the empty text gives one empty piece.
std::vector<std::string> SplitText(std::string_view s, std::string_view separator);

/// Reads integer text: optional leading spaces, an optional sign, then decimal digits, or a
/// hexadecimal number introduced by "$", "x" or "0x" (either case), and nothing after them.
/// The value must fit a signed 32-bit integer. Returns nothing for anything else, including the
/// empty text and a trailing space.
std::optional<int32_t> ParseIntegerText(std::string_view s);

/// ParseIntegerText, throwing TavlinError("'<s>' is not a valid integer value") on failure.
int32_t StrToInt(std::string_view s);

/// Every occurrence of `from` replaced by `to`, scanning left to right without overlap.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

}  // namespace tavlin
