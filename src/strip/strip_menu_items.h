// What the strip's menu items mean, without the menu: their command ids, the radio groups they
// form, the window alpha and game-time colour each item chooses, and whether the alarm sound can
// be switched on at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/file_system.h"
#include "base/pixels.h"

namespace tavlin {

/// Command ids of the menu items, as WM_COMMAND delivers them.
enum MenuCommand : uint32_t {
  kN12Title = 0x100,
  kN9SoundOn,
  kN10SoundOff,
  kN15AlarmCheck,
  kN2Opaque,
  kN101Alpha20,
  kN201Alpha40,
  kN601Alpha60,
  kWhite1,
  kLime1,
  kBlue1,
  kYellow1,
  kFuchsia1,
  kN6Timetable,
  kN3QuizMode,
  kN7NextQuiz,
  kN5Exit,
  kEditAlarms,
  kStartWithWindows,
  kMuteForAnHour,         ///< "1시간 동안 소리 끄기(&M)"
  kHoldForAnHour,         ///< "1시간 동안 알림 모아 두기(&P)"
  kHoldWhileFullScreen,   ///< "전체 화면일 때 모아 두기(&F)"
  kHideStrip,             ///< "스트립 숨기기(&H)", "스트립 보이기(&H)" while hidden
  kPopupsOnPrimary,       ///< "알림 위치" > "주 모니터"
  kPopupsOnStripMonitor,  ///< "알림 위치" > "스트립이 있는 모니터"
};

/// The items of one radio group: checking one clears the others. Commands first..last.
struct RadioGroup {
  uint32_t first;
  uint32_t last;
  friend bool operator==(const RadioGroup&, const RadioGroup&) = default;
};

/// The radio group `command` belongs to (sound, transparency, colour or the popups' monitor), or
/// nothing.
std::optional<RadioGroup> RadioGroupOf(uint32_t command);

/// Window alpha of a transparency item ("불투명" 255, "20%" 200, "40%" 160, "60%" 120).
std::optional<uint8_t> AlphaOfCommand(uint32_t command);

/// Game-time text colour of a colour item ("Blue" is 0,255,255, not 0,0,255).
std::optional<Rgb> ColourOfCommand(uint32_t command);

/// Start-up: the sound submenu is enabled, with "켜기" checked, only when both the sound file and
/// the alarm list are found, each in the working directory or else in `program_directory`
/// (FindPlayerFile).
bool SoundMenuEnabledAtStart(const FileSystem& files, const std::string& program_directory);

}  // namespace tavlin
