// TextWidths of a GDI font, measured on a memory context of the screen.
#pragma once

#include <windows.h>

#include "base/text_widths.h"
#include "win32/gdi_win32.h"

namespace tavlin {

class FontTextWidths : public TextWidths {
 public:
  /// Measures in `font`, which must outlive this object.
  explicit FontTextWidths(HFONT font);
  int Width(std::string_view utf8) const override;

 private:
  MemoryDC dc_;
  SelectionScope selected_;
};

}  // namespace tavlin
