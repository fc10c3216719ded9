#include "base/text.h"

namespace tavlin {

std::string TwoDigits(int32_t n) {
  std::string digits = std::to_string(n);
  return n < 10 ? "0" + digits : digits;
}

std::string HhmmssToText(int32_t v) {
  return TwoDigits(v / 10000) + ":" + TwoDigits((v % 10000) / 100) + ":" + TwoDigits(v % 100);
}

std::string HhmmssTextToHhmm(std::string_view s) {
  const int32_t v = StrToInt(s);
  return TwoDigits(v / 10000) + ":" + TwoDigits((v % 10000) / 100);
}

std::vector<std::string> SplitText(std::string_view s, std::string_view separator) {
  std::vector<std::string> pieces;
  std::string_view rest = s;
  do {
    const size_t at = separator.empty() ? std::string_view::npos : rest.find(separator);
    if (at == std::string_view::npos) {
      pieces.emplace_back(rest);
      rest = {};
    } else {
      pieces.emplace_back(rest.substr(0, at));
      rest.remove_prefix(at + separator.size());
    }
  } while (!rest.empty());
  return pieces;
}

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> ParseIntegerText(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return std::nullopt;
  // Accumulate the magnitude in 64 bits and stop as soon as it can no longer fit 32.
  int64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const int digit = HexDigitValue(s[i]);
    if (digit < 0 || digit >= base) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t StrToInt(std::string_view s) {
  if (auto value = ParseIntegerText(s)) return *value;
  throw TavlinError("'" + std::string(s) + "' is not a valid integer value");
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
  std::string out;
  size_t start = 0;
  while (!from.empty()) {
    const size_t at = s.find(from, start);
    if (at == std::string_view::npos) break;
    out.append(s.substr(start, at - start)).append(to);
    start = at + from.size();
  }
  out.append(s.substr(start));
  return out;
}

}  // namespace tavlin
