// Measuring text in a font, for rules that size boxes to what they show.
#pragma once

#include <string_view>

namespace tavlin {

/// Widths of texts drawn in one font at one DPI, as the system measures them.
class TextWidths {
 public:
  virtual ~TextWidths() = default;
  /// The advance width of `utf8` drawn on one line.
  virtual int Width(std::string_view utf8) const = 0;
};

}  // namespace tavlin
