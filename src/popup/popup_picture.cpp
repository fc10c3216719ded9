#include "popup/popup_picture.h"

#include <algorithm>

namespace tavlin {

namespace {

uint8_t Channel(int c1, int c2, int i, int n) {
  const int64_t value = c1 + MulDivRounded(i, c2 - c1, n);
  return static_cast<uint8_t>(std::clamp<int64_t>(value, 0, 255));
}

}  // namespace

Rgb GradientColorAt(Rgb c1, Rgb c2, int i, int n) {
  if (n == 0) return c1;
  return Rgb{Channel(c1.r, c2.r, i, n), Channel(c1.g, c2.g, i, n), Channel(c1.b, c2.b, i, n)};
}

PixelBitmap DrawGradient(int width, int height, Rgb c1, Rgb c2, TOrientation orientation) {
  PixelBitmap picture(width, height);
  if (picture.Empty()) return picture;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = orientation == TOrientation::mbVertical ? GradientColorAt(c1, c2, y, height)
                                                            : GradientColorAt(c1, c2, x, width);
      picture.Set(x, y, PixelOf(c));
    }
  }
  return picture;
}

void DrawTransparent(PixelBitmap& canvas, const PixelBitmap& image, int x, int y) {
  if (image.Empty()) return;
  const uint32_t clear = image.At(0, image.height - 1);
  for (int iy = 0; iy < image.height; ++iy) {
    const int cy = y + iy;
    if (cy < 0 || cy >= canvas.height) continue;
    for (int ix = 0; ix < image.width; ++ix) {
      const int cx = x + ix;
      if (cx < 0 || cx >= canvas.width) continue;
      const uint32_t pixel = image.At(ix, iy);
      if (pixel != clear) canvas.Set(cx, cy, pixel);
    }
  }
}

void StretchTransparent(PixelBitmap& canvas, const PixelBitmap& image, const Rect& target) {
  if (image.Empty() || target.Width() <= 0 || target.Height() <= 0) return;
  const uint32_t clear = image.At(0, image.height - 1);
  for (int ty = 0; ty < target.Height(); ++ty) {
    const int cy = target.top + ty;
    if (cy < 0 || cy >= canvas.height) continue;
    const int iy = static_cast<int>(int64_t{ty} * image.height / target.Height());
    for (int tx = 0; tx < target.Width(); ++tx) {
      const int cx = target.left + tx;
      if (cx < 0 || cx >= canvas.width) continue;
      const int ix = static_cast<int>(int64_t{tx} * image.width / target.Width());
      const uint32_t pixel = image.At(ix, iy);
      if (pixel != clear) canvas.Set(cx, cy, pixel);
    }
  }
}

PixelBitmap PaintPopupPicture(const PictureRecipe& recipe) {
  const int w = recipe.width;
  const int h = recipe.height;
  PixelBitmap picture;
  const PixelBitmap* image = recipe.background_image;
  if (image == nullptr || image->Empty()) {
    picture =
        DrawGradient(w, h, recipe.gradient_color1, recipe.gradient_color2, recipe.orientation);
  } else {
    picture = PixelBitmap(w, h, 0xFFFFFF);
    switch (recipe.draw_method) {
      case TImageDrawMethod::dmActualSize:
        DrawTransparent(picture, *image, 0, 0);
        break;
      case TImageDrawMethod::dmTile:
        for (int x = 0; x < w; x += image->width) {
          for (int y = 0; y < h; y += image->height) DrawTransparent(picture, *image, x, y);
        }
        break;
      case TImageDrawMethod::dmFit:
        StretchTransparent(picture, *image, Rect{0, 0, w, h});
        break;
    }
  }
  if (recipe.icon != nullptr && !recipe.icon->Empty()) {
    DrawTransparent(picture, *recipe.icon, recipe.icon_left, recipe.icon_top);
  }
  return picture;
}

int HalfRoundedToEven(int v) {
  // Floor division, then an odd v lies half-way between floor and floor + 1.
  int down = v / 2;
  if (v % 2 != 0 && v < 0) --down;
  if (v % 2 == 0) return down;
  return down % 2 == 0 ? down : down + 1;
}

}  // namespace tavlin
