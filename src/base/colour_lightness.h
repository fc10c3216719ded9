// Lightening a colour on the 0..240 hue-lightness-saturation scale that Windows' colour dialogs
// use.
#pragma once

#include "base/pixels.h"

namespace tavlin {

/// `colour` with its lightness raised by `steps` (capped at 240), hue and saturation kept, in the
/// same integer arithmetic as the shell's ColorRGBToHLS and ColorHLSToRGB, so the result is the
/// colour those give, without loading the shell's library for two colours.
Rgb LightenRgb(Rgb colour, int steps);

}  // namespace tavlin
