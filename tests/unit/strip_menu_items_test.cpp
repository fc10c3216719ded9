#include "ui/strip_menu_items.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace tavlin {
namespace {

TEST(StripMenuItemsTest, ItemsChooseTheirAlphaColourAndGroup) {
  const struct {
    uint32_t command;
    std::optional<uint8_t> alpha;
    std::optional<PaneColour> colour;
    std::optional<RadioGroup> group;
  } rows[] = {
      {kN2Opaque, 255, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kN101Alpha20, 200, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kN201Alpha40, 160, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kN601Alpha60, 120, {}, RadioGroup{kN2Opaque, kN601Alpha60}},
      {kWhite1, {}, PaneColour{255, 255, 255}, RadioGroup{kWhite1, kFuchsia1}},
      {kLime1, {}, PaneColour{0, 255, 0}, RadioGroup{kWhite1, kFuchsia1}},
      {kBlue1, {}, PaneColour{0, 255, 255}, RadioGroup{kWhite1, kFuchsia1}},
      {kYellow1, {}, PaneColour{255, 255, 0}, RadioGroup{kWhite1, kFuchsia1}},
      {kFuchsia1, {}, PaneColour{255, 0, 255}, RadioGroup{kWhite1, kFuchsia1}},
      {kN9SoundOn, {}, {}, RadioGroup{kN9SoundOn, kN10SoundOff}},
      {kN10SoundOff, {}, {}, RadioGroup{kN9SoundOn, kN10SoundOff}},
      {kN15AlarmCheck, {}, {}, {}},
      {kN6Timetable, {}, {}, {}},
      {kN5Exit, {}, {}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.command);
    EXPECT_EQ(AlphaOfCommand(row.command), row.alpha);
    EXPECT_EQ(ColourOfCommand(row.command), row.colour);
    EXPECT_EQ(RadioGroupOf(row.command), row.group);
  }
}

// Both files must be in the working directory; the alarm list beside the program does not count.
TEST(StripMenuItemsTest, SoundMenuNeedsTheSoundFileAndTheAlarmListInTheWorkingDirectory) {
  const struct {
    std::vector<std::string> files;
    bool enabled;
  } rows[] = {
      {{"./tavlin00.wav", "./tavlin.gogo"}, true},
      {{"./tavlin00.wav"}, false},
      {{"./tavlin.gogo"}, false},
      {{"./tavlin00.wav", "/opt/tavlin/tavlin.gogo"}, false},
      {{}, false},
  };
  for (const auto& row : rows) {
    fakes::MemoryFileSystem files;
    for (const std::string& path : row.files) files.files.emplace(path, "RIFF");
    EXPECT_EQ(SoundMenuEnabledAtStart(files), row.enabled) << ::testing::PrintToString(row.files);
  }
}

}  // namespace
}  // namespace tavlin
