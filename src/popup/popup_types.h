// Value types of the popup notifier: colours, fonts and the enumerations its properties take.
// Plain values, so assigning one copies it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "base/geometry.h"
#include "base/pixels.h"

namespace tavlin {

/// An R, G, B colour, or the system's window-text colour resolved only when drawn.
struct Colour {
  bool window_text = false;  ///< when true, r, g and b are unused
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  static constexpr Colour Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return Colour{false, red, green, blue};
  }
  static constexpr Colour WindowText() { return Colour{true, 0, 0, 0}; }
  friend bool operator==(const Colour&, const Colour&) = default;
};

/// A stored colour value laid out 0x00BBGGRR.
constexpr Colour ColourFromBgr(uint32_t value) {
  return Colour::Rgb(static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                     static_cast<uint8_t>(value >> 16));
}

/// R 153, G 204, B 255, stored as 16764057: a new notifier's first gradient colour, the one the
/// main window's notifier is configured with, and a notice's when it names none.
inline constexpr uint32_t kNeutralGradientColour = 16764057;

/// What one popup says: its title, its text and the first colour of its gradient. Every other
/// look of the popup comes from the notifier that opens it.
struct Notice {
  std::string title;
  std::string text;  ///< "\r" is a line break
  Colour colour = ColourFromBgr(kNeutralGradientColour);
  friend bool operator==(const Notice&, const Notice&) = default;
};

/// `colour` as R, G, B, with `window_text` standing for the system's window-text colour.
constexpr Rgb Resolve(const Colour& colour, Rgb window_text) {
  return colour.window_text ? window_text : Rgb{colour.r, colour.g, colour.b};
}

inline constexpr int kDefaultCharset = 1;
inline constexpr int kHangeulCharset = 129;

/// What a font is made from. A negative height is the character height in pixels.
struct FontSpec {
  std::string face = "Tahoma";  ///< UTF-8
  int height = -11;
  int charset = kDefaultCharset;
  Colour colour = Colour::WindowText();
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

/// The screen edge the task bar sits on.
enum class TaskbarEdgeKind { kUnknown = -1, kLeft = 0, kTop = 1, kRight = 2, kBottom = 3 };

enum class TOrientation { mbHorizontal, mbVertical };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TImageDrawMethod { dmActualSize, dmTile, dmFit };
enum class TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };

/// Mouse cursors a popup's body text can show.
enum TCursor : int { crDefault = 0, crArrow = -2, crIBeam = -4, crHandPoint = -21 };

enum class TPopupOption {
  pnAutoOpenURL,
  pnSystemFont,
  pnCascadePopups,
  pnAllowScroll,
  pnAllowHyperlink,
  pnAllowDuplicate
};

/// A set of `TPopupOption`, bit 0 being the first member.
class TPopupOptions {
 public:
  constexpr TPopupOptions() = default;
  constexpr TPopupOptions(std::initializer_list<TPopupOption> members) {
    for (TPopupOption m : members) bits_ |= Bit(m);
  }
  constexpr bool Has(TPopupOption m) const { return (bits_ & Bit(m)) != 0; }
  constexpr void Include(TPopupOption m) { bits_ |= Bit(m); }
  constexpr void Exclude(TPopupOption m) { bits_ &= static_cast<uint8_t>(~Bit(m)); }
  constexpr uint8_t Bits() const { return bits_; }
  friend bool operator==(const TPopupOptions&, const TPopupOptions&) = default;

 private:
  static constexpr uint8_t Bit(TPopupOption m) {
    return static_cast<uint8_t>(1u << static_cast<unsigned>(m));
  }
  uint8_t bits_ = 0;
};

}  // namespace tavlin
