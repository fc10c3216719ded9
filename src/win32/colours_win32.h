// Colour arithmetic the strip's widgets share.
#pragma once

#include <windows.h>

namespace tavlin {

/// `colour` with its lightness raised by `steps` on the system's 0..240 hue-lightness-saturation
/// scale (capped at 240), hue and saturation kept, as the shell's own conversion functions give it.
COLORREF LightenColour(COLORREF colour, int steps);

/// The strip's background: painted in it, a pixel is invisible and lets clicks through.
inline constexpr COLORREF kStripKeyColour = RGB(153, 0, 0);

}  // namespace tavlin
