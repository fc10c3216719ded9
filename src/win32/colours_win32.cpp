#include "win32/colours_win32.h"

#include <shlwapi.h>

#include <algorithm>

namespace tavlin {

COLORREF LightenColour(COLORREF colour, int steps) {
  WORD hue = 0, lightness = 0, saturation = 0;
  ColorRGBToHLS(colour, &hue, &lightness, &saturation);
  const int lighter = std::min(240, lightness + steps);
  return ColorHLSToRGB(hue, static_cast<WORD>(lighter), saturation);
}

}  // namespace tavlin
