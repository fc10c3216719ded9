#include "clock/game_time.h"

#include <charconv>
#include <iterator>

#include "clock/schedule.h"

namespace tavlin {

namespace {

constexpr int32_t kDaySeconds = 86400;

struct GameClock {
  int32_t left = 0;  // real seconds until the row's last second
  int32_t game = 0;  // game time, seconds of the day
};

// The row runs from `start` to `end` (seconds of the day, both inclusive; the midnight row ends
// on the next day) and its double-hour begins at game second `game_start`.
GameClock Interpolate(int32_t start, int32_t end, int32_t game_start, int32_t now_seconds) {
  const int32_t duration = start <= end ? end - start : end + kDaySeconds - start;
  const int32_t left = ((end - now_seconds) % kDaySeconds + kDaySeconds) % kDaySeconds;
  // Every duration in the table is odd, so these roundings are never halfway: exact integers.
  const int32_t steps_left = (20000 * left + duration) / (2 * duration);
  const int32_t progress = 10000 - steps_left;
  const int32_t game_offset = (18 * progress + 12) / 25;  // nearest 0.72 x progress
  return GameClock{left, (game_start + game_offset) % kDaySeconds};
}

// `n` (not negative) in at least two decimal digits, as TwoDigits writes it.
void AppendTwoDigits(std::string& out, int32_t n) {
  char digits[12];
  char* end = std::to_chars(std::begin(digits), std::end(digits), n).ptr;
  if (n < 10) out.push_back('0');
  out.append(digits, static_cast<size_t>(end - digits));
}

// `text` without any "시" in it: each hour name keeps only its first syllable.
void AppendWithoutSi(std::string& out, std::string_view text) {
  constexpr std::string_view kSi = "시";
  for (size_t at = 0; at < text.size();) {
    if (text.substr(at, kSi.size()) == kSi) {
      at += kSi.size();
    } else {
      out.push_back(text[at++]);
    }
  }
}

// HourPart without its "시": "미" and 130000 give "미(13)". A GameStart that is not a whole hour
// would keep its minutes, as dropping ":00" from "hh:mm" does.
void AppendHourPart(std::string& out, const Ttavlintime& row) {
  AppendWithoutSi(out, row.HourName);
  out.push_back('(');
  AppendTwoDigits(out, row.GameStart / 10000);
  if (const int32_t minutes = row.GameStart / 100 % 100; minutes != 0) {
    out.push_back(':');
    AppendTwoDigits(out, minutes);
  }
  out.push_back(')');
}

}  // namespace

int32_t HhmmssToSeconds(int32_t hhmmss) {
  return hhmmss / 10000 * 3600 + hhmmss % 10000 / 100 * 60 + hhmmss % 100;
}

bool ComputeGameTimeAt(int32_t t, GameTimeTexts& texts) {
  const int current = CurrentScheduleRow(t);
  if (current == 0) return false;
  const auto& schedule = Schedule();
  const Ttavlintime& row = schedule[current];
  const Ttavlintime& next = schedule[current == kScheduleRows ? 1 : current + 1];
  const GameClock clock = Interpolate(HhmmssToSeconds(row.RealStart), HhmmssToSeconds(row.RealEnd),
                                      HhmmssToSeconds(row.GameStart), HhmmssToSeconds(t));
  const int32_t h = clock.game / 3600;
  const int32_t m = clock.game % 3600 / 60;

  texts.pane.clear();
  AppendTwoDigits(texts.pane, h);
  texts.pane.push_back(':');
  AppendTwoDigits(texts.pane, m);
  texts.pane.push_back(':');
  AppendTwoDigits(texts.pane, clock.game % 60);
  texts.game_hhmm = h * 100 + m;

  std::string& line = texts.summary;
  line.clear();
  AppendHourPart(line, row);
  line.push_back('>');
  AppendTwoDigits(line, clock.left / 60);
  line.push_back(':');
  AppendTwoDigits(line, clock.left % 60);
  line.push_back('>');
  AppendHourPart(line, next);
  line.push_back(' ');
  return true;
}

}  // namespace tavlin
