// The game time of day, interpolated across the current double-hour, and the one-line summary of
// the current double-hour, the real time left in it and the next double-hour.
#pragma once

#include <cstdint>
#include <string>

namespace tavlin {

struct GameTimeTexts {
  std::string pane;       ///< game time "hh:mm:ss" for the game-time pane
  std::string summary;    ///< e.g. "미(13)>06:47>신(15) " (with its trailing blank)
  int32_t game_hhmm = 0;  ///< game time as an HHMM value, no leading zero (01:47 is 147)
};

/// Seconds of the day of an HHMMSS value.
int32_t HhmmssToSeconds(int32_t hhmmss);

/// The game texts for the HHMMSS value `t`, read straight from the schedule's rows and written into
/// `texts`, whose strings keep their capacity: once they have held a day's longest texts, a call
/// allocates nothing. False, `texts` untouched, when `t` is no time of day.
bool ComputeGameTimeAt(int32_t t, GameTimeTexts& texts);

}  // namespace tavlin
