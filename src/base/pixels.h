// Colours with their channels known and pictures made of them, as the program paints them itself
// (popup backgrounds, menu marks) before handing them to the system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavlin {

/// A colour with its channels known.
struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// A picture: `pixels` holds width × height values 0x00RRGGBB, rows from the top.
struct PixelBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  PixelBitmap() = default;
  PixelBitmap(int w, int h, uint32_t fill = 0)
      : width(w), height(h), pixels(static_cast<size_t>(w > 0 && h > 0 ? w * h : 0), fill) {}
  bool Empty() const { return width <= 0 || height <= 0; }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  void Set(int x, int y, uint32_t value) { pixels[static_cast<size_t>(y * width + x)] = value; }
  friend bool operator==(const PixelBitmap&, const PixelBitmap&) = default;
};

constexpr uint32_t PixelOf(Rgb c) {
  return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | uint32_t{c.b};
}
constexpr Rgb RgbOf(uint32_t pixel) {
  return Rgb{static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
             static_cast<uint8_t>(pixel)};
}

}  // namespace tavlin
