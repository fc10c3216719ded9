// How wide the strip's text boxes must be for the font the system actually gives. The boxes were
// designed for one font; another "굴림" (or a face standing in for it) may draw wider digits and
// syllables, and a box that does not grow clips them or lets the summary line run under the
// game-time pane. Every figure is in pixels at the strip's DPI.
#pragma once

#include <string_view>

#include "base/text_widths.h"

namespace tavlin {

/// The widest text each of the strip's text boxes can show.
struct WidestStripTexts {
  int game_time = 0;  ///< "hh:mm:ss" in StatusPane1's bold font
  int summary = 0;    ///< Panel1's caption, e.g. "미(13)>06:47>신(15) ", in the strip's font
  int real_time = 0;  ///< Panel3's caption, hh:mm:ss with the player's time separator
};

/// Measures the widest forms: the game time with its widest digit in every place, the summary
/// line with the widest double-hour syllable and the widest digit in every place, the real time
/// with the widest digit and `time_separator`.
WidestStripTexts MeasureWidestStripTexts(const TextWidths& pane_font, const TextWidths& strip_font,
                                         std::string_view time_separator);

/// The widths of the boxes that hold text. Each is its designed width scaled to the DPI, or wider
/// where the widest text needs it; nothing else of the strip changes size.
struct StripBoxes {
  int status_pane1 = 0;
  int panel1 = 0;
  int panel3 = 0;

  friend bool operator==(const StripBoxes&, const StripBoxes&) = default;
};

/// The designed boxes at `dpi`: 89, 257 and 62 at 96 DPI.
StripBoxes DesignedStripBoxes(int dpi);

/// The boxes at `dpi` for `widest`:
/// - StatusPane1 holds its frame, the text's indent and the game time, whose advance may reach the
///   pane's outer edge: the pane sets the text in by less than its indent where the last digit's
///   ink would come within a pixel of the frame;
/// - Panel1 holds StatusPane1, a gap of 2 pixels (scaled), the summary line and its border, so the
///   right-aligned summary never runs under the pane;
/// - Panel3 holds the real time centred between its border and 2 pixels (scaled) each side.
StripBoxes FitStripBoxes(int dpi, const WidestStripTexts& widest);

}  // namespace tavlin
