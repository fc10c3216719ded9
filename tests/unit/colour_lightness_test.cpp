#include "base/colour_lightness.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

// Expected colours are what the shell's ColorRGBToHLS and ColorHLSToRGB give for the same steps
// (read under Wine); the two at the top are the strip's panel border and pane frame. The last row
// shows the round trip's own rounding, which the panels' colours must share.
TEST(ColourLightnessTest, MatchesTheShellsConversion) {
  const struct {
    Rgb in;
    int steps;
    Rgb out;
  } cases[] = {
      {{44, 40, 40}, 30, {78, 71, 71}},       {{160, 160, 160}, 30, {192, 192, 192}},
      {{51, 153, 255}, 30, {115, 185, 255}},  {{0, 255, 0}, 30, {64, 255, 64}},
      {{250, 240, 10}, 30, {251, 242, 72}},   {{200, 30, 90}, 100, {247, 196, 214}},
      {{255, 255, 255}, 30, {255, 255, 255}}, {{0, 0, 0}, 0, {0, 0, 0}},
      {{10, 200, 120}, 0, {10, 201, 120}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << int{c.in.r} << "," << int{c.in.g} << "," << int{c.in.b});
    const Rgb out = LightenRgb(c.in, c.steps);
    EXPECT_EQ(int{out.r}, int{c.out.r});
    EXPECT_EQ(int{out.g}, int{c.out.g});
    EXPECT_EQ(int{out.b}, int{c.out.b});
  }
}

}  // namespace
}  // namespace tavlin
