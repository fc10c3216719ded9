// The round colour marks of the game-time colour items, painted at any size: a filled disc in a
// dark ring, on a mask colour that the menu leaves out.
#pragma once

#include "base/pixels.h"

namespace tavlin {

/// The marks' background, left out when they are drawn.
inline constexpr Rgb kMarkMaskColour{0, 128, 128};
/// The ring around every mark.
inline constexpr Rgb kMarkRingColour{96, 96, 96};

/// The five marks' fill colours in menu order: white, green, blue, orange, red.
inline constexpr Rgb kMarkColours[] = {
    {255, 255, 255}, {0, 192, 0}, {0, 96, 255}, {255, 153, 0}, {224, 0, 0}};

/// A `size` × `size` mark (16 at 96 DPI): the disc and its ring scale with the size, so a mark is
/// as round at 24 or 32 pixels as at 16.
PixelBitmap PaintColourMark(int size, Rgb fill);

}  // namespace tavlin
