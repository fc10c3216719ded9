// Integer scaling as the system does it: MulDiv's rounding, and sizes written at 96 dots per inch
// shown at the DPI of the monitor a window is on.
#pragma once

#include <cstdint>

namespace tavlin {

/// a × b / d computed exactly and rounded to the nearest integer, halves away from zero.
/// `d` must not be 0.
constexpr int64_t MulDivRounded(int64_t a, int64_t b, int64_t d) {
  const int64_t p = a * b;
  int64_t q = p / d;
  const int64_t r = p % d;
  const int64_t abs_r = r < 0 ? -r : r;
  const int64_t abs_d = d < 0 ? -d : d;
  if (2 * abs_r >= abs_d) q += ((p < 0) != (d < 0)) ? -1 : 1;
  return q;
}

/// The DPI every size of the program is written at.
inline constexpr int kDesignDpi = 96;

/// A size written at 96 DPI, at `dpi` (MulDiv(value, dpi, 96)): 325 is 488 at 144 DPI, 3 is 5.
constexpr int ScaleToDpi(int value, int dpi) {
  return static_cast<int>(MulDivRounded(value, dpi, kDesignDpi));
}

}  // namespace tavlin
