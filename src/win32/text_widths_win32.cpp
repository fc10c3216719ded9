#include "win32/text_widths_win32.h"

#include <string>

#include "base/wide_text.h"

namespace tavlin {

FontTextWidths::FontTextWidths(HFONT font) : selected_(dc_.dc(), font) {}

int FontTextWidths::Width(std::string_view utf8) const {
  const std::wstring text = Utf8ToWide(utf8);
  SIZE size{};
  GetTextExtentPoint32W(dc_.dc(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace tavlin
