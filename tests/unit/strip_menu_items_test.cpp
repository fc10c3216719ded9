#include "strip/strip_menu_items.h"

#include <gtest/gtest.h>

#include "strip/colour_mark.h"
#include "test_support.h"

namespace tavlin {
namespace {

TEST(StripMenuItemsTest, ItemsChooseTheirAlphaColourAndGroup) {
  const struct {
    uint32_t command;
    std::optional<uint8_t> alpha;
    std::optional<Rgb> colour;
    std::optional<RadioGroup> group;
  } rows[] = {
      {kN2Opaque, 255, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kN101Alpha20, 200, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kN201Alpha40, 160, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kN601Alpha60, 120, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kWhite1, {}, Rgb{255, 255, 255}, RadioGroup{kWhite1, kFuchsia1}},
      {kLime1, {}, Rgb{0, 255, 0}, RadioGroup{kWhite1, kFuchsia1}},
      {kBlue1, {}, Rgb{0, 255, 255}, RadioGroup{kWhite1, kFuchsia1}},
      {kYellow1, {}, Rgb{255, 255, 0}, RadioGroup{kWhite1, kFuchsia1}},
      {kFuchsia1, {}, Rgb{255, 0, 255}, RadioGroup{kWhite1, kFuchsia1}},
      {kN9SoundOn, {}, {}, RadioGroup{kN9SoundOn, kN10SoundOff}},
      {kN10SoundOff, {}, {}, RadioGroup{kN9SoundOn, kN10SoundOff}},
      {kN15AlarmCheck, {}, {}, {}},
      {kN6Timetable, {}, {}, {}},
      {kN5Exit, {}, {}, {}},
      {kHideStrip, {}, {}, {}},
      {kPopupsOnPrimary, {}, {}, RadioGroup{kPopupsOnPrimary, kPopupsOnStripMonitor}},
      {kPopupsOnStripMonitor, {}, {}, RadioGroup{kPopupsOnPrimary, kPopupsOnStripMonitor}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.command);
    EXPECT_EQ(AlphaOfCommand(row.command), row.alpha);
    EXPECT_EQ(ColourOfCommand(row.command), row.colour);
    EXPECT_EQ(RadioGroupOf(row.command), row.group);
  }
}

// Both files must be found, each in the working directory or else beside the program
// (/opt/tavlin/); a file in any other folder does not count.
TEST(StripMenuItemsTest, SoundMenuNeedsTheSoundFileAndTheAlarmListFound) {
  const struct {
    std::vector<std::string> files;
    bool enabled;
  } rows[] = {
      {{"./tavlin00.wav", "./tavlin.gogo"}, true},
      {{"./tavlin00.wav"}, false},
      {{"./tavlin.gogo"}, false},
      {{"./tavlin00.wav", "/opt/tavlin/tavlin.gogo"}, true},
      {{"/opt/tavlin/tavlin00.wav", "./tavlin.gogo"}, true},
      {{"/opt/tavlin/tavlin00.wav", "/opt/tavlin/tavlin.gogo"}, true},
      {{"/opt/tavlin/tavlin00.wav"}, false},
      {{"./tavlin00.wav", "/srv/tavlin.gogo"}, false},
      {{}, false},
  };
  for (const auto& row : rows) {
    fakes::MemoryFileSystem files;
    for (const std::string& path : row.files) files.files.emplace(path, "RIFF");
    EXPECT_EQ(SoundMenuEnabledAtStart(files, "/opt/tavlin/"), row.enabled)
        << ::testing::PrintToString(row.files);
  }
}

// The 16-pixel marks are the menu's marks as they have always been drawn, pixel for pixel; larger
// ones keep the round shape with the ring around the disc.
TEST(StripMenuItemsTest, ColourMarksAreRoundAtEverySize) {
  const char* const kSixteen[] = {
      "................", "......oooo......", "....oooooooo....", "...oo######oo...",
      "..oo########oo..", "..o##########o..", ".oo##########oo.", ".oo##########oo.",
      ".oo##########oo.", ".oo##########oo.", "..o##########o..", "..oo########oo..",
      "...oo######oo...", "....oooooooo....", "......oooo......", "................",
  };
  const Rgb orange = kMarkColours[3];
  const PixelBitmap mark = PaintColourMark(16, orange);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const char want = kSixteen[y][x];
      const Rgb colour = want == '#' ? orange : want == 'o' ? kMarkRingColour : kMarkMaskColour;
      EXPECT_EQ(RgbOf(mark.At(x, y)), colour) << x << "," << y;
    }
  }
  for (int size : {20, 24, 32}) {
    SCOPED_TRACE(size);
    const PixelBitmap big = PaintColourMark(size, orange);
    const int mid = size / 2;
    EXPECT_EQ(RgbOf(big.At(mid, mid)), orange);
    EXPECT_EQ(RgbOf(big.At(0, 0)), kMarkMaskColour);
    // Across the middle row: mask, ring, disc, ring, mask, with a ring at least a pixel wide and
    // the same on both sides.
    int ring_left = 0, ring_right = 0;
    for (int x = 0; x < mid; ++x) ring_left += RgbOf(big.At(x, mid)) == kMarkRingColour;
    for (int x = mid; x < size; ++x) ring_right += RgbOf(big.At(x, mid)) == kMarkRingColour;
    EXPECT_GE(ring_left, 1);
    EXPECT_EQ(ring_left, ring_right);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        EXPECT_EQ(big.At(x, y), big.At(size - 1 - x, y));
        EXPECT_EQ(big.At(x, y), big.At(y, x));
      }
    }
  }
}

}  // namespace
}  // namespace tavlin
