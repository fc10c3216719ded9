#include "base/colour_lightness.h"

#include <algorithm>

namespace tavlin {

namespace {

constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
// The hue of a grey, which has none.
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

struct Hls {
  int hue = 0;
  int lightness = 0;
  int saturation = 0;
};

Hls ToHls(Rgb colour) {
  const int r = colour.r, g = colour.g, b = colour.b;
  const int high = std::max({r, g, b});
  const int low = std::min({r, g, b});
  Hls hls;
  hls.lightness = ((high + low) * kHlsMax + kRgbMax) / (2 * kRgbMax);
  if (high == low) {
    hls.hue = kUndefinedHue;
    return hls;
  }
  const int spread = high - low;
  if (hls.lightness <= kHlsMax / 2) {
    hls.saturation = (spread * kHlsMax + (high + low) / 2) / (high + low);
  } else {
    const int rest = 2 * kRgbMax - high - low;
    hls.saturation = (spread * kHlsMax + rest / 2) / rest;
  }
  const auto delta = [&](int c) { return ((high - c) * (kHlsMax / 6) + spread / 2) / spread; };
  if (r == high) {
    hls.hue = delta(b) - delta(g);
  } else if (g == high) {
    hls.hue = kHlsMax / 3 + delta(r) - delta(b);
  } else {
    hls.hue = 2 * kHlsMax / 3 + delta(g) - delta(r);
  }
  if (hls.hue < 0) hls.hue += kHlsMax;
  if (hls.hue > kHlsMax) hls.hue -= kHlsMax;
  return hls;
}

int HueToValue(int low, int high, int hue) {
  if (hue < 0) hue += kHlsMax;
  if (hue > kHlsMax) hue -= kHlsMax;
  if (hue < kHlsMax / 6) return low + ((high - low) * hue + kHlsMax / 12) / (kHlsMax / 6);
  if (hue < kHlsMax / 2) return high;
  if (hue < kHlsMax * 2 / 3) {
    return low + ((high - low) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
  }
  return low;
}

Rgb ToRgb(const Hls& hls) {
  if (hls.saturation == 0) {
    const auto grey = static_cast<uint8_t>(hls.lightness * kRgbMax / kHlsMax);
    return Rgb{grey, grey, grey};
  }
  const int l = hls.lightness, s = hls.saturation;
  const int high = l <= kHlsMax / 2 ? (l * (kHlsMax + s) + kHlsMax / 2) / kHlsMax
                                    : l + s - (l * s + kHlsMax / 2) / kHlsMax;
  const int low = 2 * l - high;
  const auto value = [&](int hue) {
    return static_cast<uint8_t>((HueToValue(low, high, hue) * kRgbMax + kHlsMax / 2) / kHlsMax);
  };
  return Rgb{value(hls.hue + kHlsMax / 3), value(hls.hue), value(hls.hue - kHlsMax / 3)};
}

}  // namespace

Rgb LightenRgb(Rgb colour, int steps) {
  Hls hls = ToHls(colour);
  hls.lightness = std::min(kHlsMax, hls.lightness + steps);
  return ToRgb(hls);
}

}  // namespace tavlin
