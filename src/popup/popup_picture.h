// The picture behind a popup's title and text: a gradient or the notifier's background image,
// with the icon over it. Computed once per popup, before it shows.
#pragma once

#include <cstdint>

#include "base/scaling.h"
#include "popup/popup_types.h"

namespace tavlin {

/// Colour of gradient line `i` of `n`: each channel c1 + MulDiv(i, c2 − c1, n), kept in 8 bits.
/// Line 0 is `c1`; with `n` 0 every line is `c1`.
Rgb GradientColorAt(Rgb c1, Rgb c2, int i, int n);

/// A `width` × `height` picture running from `c1` to `c2`, top to bottom (mbVertical) or left to
/// right (mbHorizontal). Its last row or column has the colour of step n − 1 of n, not `c2`.
PixelBitmap DrawGradient(int width, int height, Rgb c1, Rgb c2, TOrientation orientation);

/// Draws `image` onto `canvas` with its top-left corner at (x, y), leaving out the pixels that
/// have the colour of the image's bottom-left pixel; whatever falls outside the canvas is cut off.
void DrawTransparent(PixelBitmap& canvas, const PixelBitmap& image, int x, int y);

/// Draws `image` stretched to `target` (nearest pixel), transparent as DrawTransparent.
void StretchTransparent(PixelBitmap& canvas, const PixelBitmap& image, const Rect& target);

/// What the picture is made from.
struct PictureRecipe {
  int width = 0;  ///< the gradient area: the panel inside its bevel, less the strip
  int height = 0;
  Rgb gradient_color1;
  Rgb gradient_color2;
  TOrientation orientation = TOrientation::mbVertical;
  const PixelBitmap* background_image = nullptr;  ///< drawn instead of the gradient when not empty
  TImageDrawMethod draw_method = TImageDrawMethod::dmActualSize;
  const PixelBitmap* icon = nullptr;  ///< drawn over the background when not empty
  int icon_left = 0;
  int icon_top = 0;
};

/// The popup's background picture. Transparent parts of a background image show white.
PixelBitmap PaintPopupPicture(const PictureRecipe& recipe);

/// v / 2 rounded to the nearest integer, halves going to the even neighbour.
int HalfRoundedToEven(int v);

}  // namespace tavlin
