#include "win32/colours_win32.h"

#include "base/colour_lightness.h"

namespace tavlin {

COLORREF LightenColour(COLORREF colour, int steps) {
  const Rgb lighter =
      LightenRgb(Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)}, steps);
  return RGB(lighter.r, lighter.g, lighter.b);
}

}  // namespace tavlin
