#include "strip/strip_menu_items.h"

#include "base/player_files.h"

namespace tavlin {

std::optional<RadioGroup> RadioGroupOf(uint32_t command) {
  for (const RadioGroup group :
       {RadioGroup{kN9SoundOn, kN10SoundOff}, RadioGroup{kN2Opaque, kN601Alpha60},
        RadioGroup{kWhite1, kFuchsia1}, RadioGroup{kPopupsOnPrimary, kPopupsOnStripMonitor}}) {
    if (command >= group.first && command <= group.last) return group;
  }
  return std::nullopt;
}

std::optional<uint8_t> AlphaOfCommand(uint32_t command) {
  switch (command) {
    case kN2Opaque:
      return 255;
    case kN101Alpha20:
      return 200;
    case kN201Alpha40:
      return 160;
    case kN601Alpha60:
      return 120;
    default:
      return std::nullopt;
  }
}

std::optional<Rgb> ColourOfCommand(uint32_t command) {
  switch (command) {
    case kWhite1:
      return Rgb{255, 255, 255};
    case kLime1:
      return Rgb{0, 255, 0};
    case kBlue1:
      return Rgb{0, 255, 255};
    case kYellow1:
      return Rgb{255, 255, 0};
    case kFuchsia1:
      return Rgb{255, 0, 255};
    default:
      return std::nullopt;
  }
}

bool SoundMenuEnabledAtStart(const FileSystem& files, const std::string& program_directory) {
  return files.Exists(AlarmSoundPath(files, program_directory)) &&
         files.Exists(FindPlayerFile(files, kAlarmListFileName, program_directory));
}

}  // namespace tavlin
