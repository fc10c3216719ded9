#include "strip/colour_mark.h"

namespace tavlin {

namespace {

// Radii of the 16-pixel mark, in pixels: the disc, and the ring's outer edge.
constexpr double kDesignSize = 16.0;
constexpr double kDiscRadius = 5.43;
constexpr double kRingRadius = 6.78;

}  // namespace

PixelBitmap PaintColourMark(int size, Rgb fill) {
  PixelBitmap mark(size, size, PixelOf(kMarkMaskColour));
  const double scale = size / kDesignSize;
  const double disc = kDiscRadius * scale;
  const double ring = kRingRadius * scale;
  const double centre = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // A pixel belongs to the part its centre lies in.
      const double dx = x + 0.5 - centre;
      const double dy = y + 0.5 - centre;
      const double d2 = dx * dx + dy * dy;
      if (d2 <= disc * disc) {
        mark.Set(x, y, PixelOf(fill));
      } else if (d2 <= ring * ring) {
        mark.Set(x, y, PixelOf(kMarkRingColour));
      }
    }
  }
  return mark;
}

}  // namespace tavlin
