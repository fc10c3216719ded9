#include "clock/game_time.h"

#include "base/text.h"

namespace tavlin {

namespace {

constexpr int32_t kDaySeconds = 86400;

// "미시" and "130000" give "미시(13)": every GameStart is a whole hour, so dropping ":00" leaves
// the two-digit game hour.
std::string HourPart(const std::string& name, const std::string& game_start) {
  return ReplaceAll(name + "(" + HhmmssTextToHhmm(game_start) + ")", ":00", "");
}

}  // namespace

int32_t HhmmssToSeconds(int32_t hhmmss) {
  return hhmmss / 10000 * 3600 + hhmmss % 10000 / 100 * 60 + hhmmss % 100;
}

std::optional<GameTimeTexts> ComputeGameTime(const std::vector<std::string>& rows,
                                             int32_t now_seconds) {
  if (rows.size() < 12) return std::nullopt;
  const int32_t start = HhmmssToSeconds(StrToInt(rows[0]));
  const int32_t end = HhmmssToSeconds(StrToInt(rows[1]));
  // The midnight row ends on the next day.
  const int32_t duration = start <= end ? end - start : end + kDaySeconds - start;
  const int32_t left = ((end - now_seconds) % kDaySeconds + kDaySeconds) % kDaySeconds;

  // Every duration in the table is odd, so these roundings are never halfway: exact integers.
  const int32_t steps_left = (20000 * left + duration) / (2 * duration);
  const int32_t progress = 10000 - steps_left;
  const int32_t game_offset = (18 * progress + 12) / 25;  // nearest 0.72 x progress
  const int32_t game = (HhmmssToSeconds(StrToInt(rows[2])) + game_offset) % kDaySeconds;
  const int32_t h = game / 3600;
  const int32_t m = game % 3600 / 60;
  const int32_t s = game % 60;

  GameTimeTexts texts;
  texts.pane = TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(s);
  texts.game_hhmm = h * 100 + m;
  const std::string time_left = TwoDigits(left / 60) + ":" + TwoDigits(left % 60);
  std::string line =
      HourPart(rows[4], rows[2]) + ">" + time_left + ">" + HourPart(rows[10], rows[8]);
  // Each hour name ends in "시"; only its first syllable is shown.
  texts.summary = ReplaceAll(line, "시", "") + " ";
  return texts;
}

}  // namespace tavlin
