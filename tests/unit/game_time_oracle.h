// The game time worked out the long way, as the strip once did it: from the row lookup's texts
// (FindScheduleRows), by text operations. Tests hold the program's ComputeGameTimeAt, which reads
// the schedule's rows directly and allocates nothing, against it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "clock/game_time.h"

namespace tavlin::oracle {

// "미시" and "130000" give "미시(13)": every GameStart is a whole hour, so dropping ":00" leaves
// the two-digit game hour.
inline std::string HourPart(const std::string& name, const std::string& game_start) {
  return ReplaceAll(name + "(" + HhmmssTextToHhmm(game_start) + ")", ":00", "");
}

/// The game texts for the row lookup result `rows` at the real time `now_seconds` (seconds of the
/// day, inside the current row). Nothing for an empty lookup.
inline std::optional<GameTimeTexts> ComputeGameTime(const std::vector<std::string>& rows,
                                                    int32_t now_seconds) {
  constexpr int32_t kDaySeconds = 86400;
  if (rows.size() < 12) return std::nullopt;
  const int32_t start = HhmmssToSeconds(StrToInt(rows[0]));
  const int32_t end = HhmmssToSeconds(StrToInt(rows[1]));
  // The row runs from start to end, both included; the midnight row ends on the next day.
  const int32_t duration = start <= end ? end - start : end + kDaySeconds - start;
  const int32_t left = ((end - now_seconds) % kDaySeconds + kDaySeconds) % kDaySeconds;
  // Every duration in the table is odd, so these roundings are never halfway: exact integers.
  const int32_t progress = 10000 - (20000 * left + duration) / (2 * duration);
  const int32_t game =
      (HhmmssToSeconds(StrToInt(rows[2])) + (18 * progress + 12) / 25) % kDaySeconds;
  const int32_t h = game / 3600;
  const int32_t m = game % 3600 / 60;

  GameTimeTexts texts;
  texts.pane = TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(game % 60);
  texts.game_hhmm = h * 100 + m;
  const std::string time_left = TwoDigits(left / 60) + ":" + TwoDigits(left % 60);
  const std::string line =
      HourPart(rows[4], rows[2]) + ">" + time_left + ">" + HourPart(rows[10], rows[8]);
  // Each hour name ends in "시"; only its first syllable is shown.
  texts.summary = ReplaceAll(line, "시", "") + " ";
  return texts;
}

}  // namespace tavlin::oracle
