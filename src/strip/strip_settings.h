// The strip's settings file, tavlin.ini, as text: the values tavlin keeps in it and the rest of
// the file, which belongs to the player and is written back as it was.
//
//   [tavlin]
//   position=1500,40
//   monitor=\\.\DISPLAY2
//   monitor_area=1920,0,3840,1080
//   transparency=60
//   colour=Yellow
//   quiz=off
//   sound=on
//   fullscreen_hold=on
//   strip=hidden
//   popups=strip
//
// Keys count only in the [tavlin] section, in any case, with spaces around the key and the value
// allowed; the first line of a key is the one read and rewritten. A key with a value tavlin does
// not understand is left at its default, without affecting the others.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/geometry.h"

namespace tavlin {

/// The settings file's name; it is looked for beside tavlin.exe only.
inline constexpr char kSettingsFileName[] = "tavlin.ini";

/// At most this much of the file is read: a binary or huge file costs no time at start.
inline constexpr size_t kSettingsFileCap = 64 * 1024;

/// What the file remembers; each value is absent when the file does not give it (or gives
/// something tavlin cannot read), and the strip then starts with the designed state for it.
struct StripSettings {
  /// The strip window's top-left corner on the virtual screen.
  std::optional<int> left, top;
  /// The device name of the monitor the strip was on (as the system names it, "\\.\DISPLAY1").
  std::string monitor;
  /// That monitor's rectangle on the virtual screen when the position was taken.
  std::optional<Rect> monitor_area;
  /// The checked transparency item and game-time colour item (MenuCommand values).
  std::optional<uint32_t> alpha_item;
  std::optional<uint32_t> colour_item;
  /// Whether the quiz panel is shown.
  std::optional<bool> quiz_panel;
  /// Whether "켜기" is checked (used only where the sound menu is enabled).
  std::optional<bool> sound_on;
  /// Whether "전체 화면일 때 모아 두기(&F)" is checked.
  std::optional<bool> hold_full_screen;
  /// Whether the strip was put away, leaving only the notification-area icon.
  std::optional<bool> strip_hidden;
  /// The checked item of "알림 위치" (a MenuCommand value).
  std::optional<uint32_t> popup_monitor_item;

  friend bool operator==(const StripSettings&, const StripSettings&) = default;
};

/// The settings in the text of a settings file (bytes as read, a UTF-8 BOM allowed; CR LF, LF or
/// CR line ends).
StripSettings ReadStripSettings(std::string_view text);

/// `text` with the values of `settings` written into its [tavlin] section: a key's first line is
/// rewritten in place with its line end kept, keys the section lacks are added after its last
/// line that is not blank, and a file without the section gets one at its end. Every other byte
/// (comments, unknown keys, other sections) stays as it was. Values absent from `settings` are
/// not touched.
std::string WriteStripSettings(std::string_view text, const StripSettings& settings);

}  // namespace tavlin
