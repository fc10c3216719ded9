#include "clock/game_minutes.h"

#include <algorithm>

#include "clock/game_time.h"

namespace tavlin {

const std::vector<GameMinuteStart>& GameMinuteStarts() {
  static const std::vector<GameMinuteStart> starts = [] {
    std::vector<GameMinuteStart> list;
    GameTimeTexts game;
    for (int32_t s = 0; s < kSecondsPerDay; ++s) {
      const int32_t hhmmss = s / 3600 * 10000 + s / 60 % 60 * 100 + s % 60;
      if (!ComputeGameTimeAt(hhmmss, game)) break;  // no schedule
      if (list.empty() || list.back().game_hhmm != game.game_hhmm) {
        list.push_back({s, game.game_hhmm});
      }
    }
    return list;
  }();
  return starts;
}

size_t GameMinuteAt(int32_t second_of_day) {
  const std::vector<GameMinuteStart>& starts = GameMinuteStarts();
  const auto after =
      std::upper_bound(starts.begin(), starts.end(), second_of_day,
                       [](int32_t s, const GameMinuteStart& start) { return s < start.second; });
  return after == starts.begin() ? 0 : static_cast<size_t>(after - starts.begin()) - 1;
}

int64_t GameHourBegan(int64_t moment) {
  const std::vector<GameMinuteStart>& starts = GameMinuteStarts();
  if (starts.empty()) return moment;
  int64_t day = DayOf(moment);
  size_t i = GameMinuteAt(SecondOfDay(moment));
  const int32_t hour = starts[i].game_hhmm / 100;
  // Back through the minutes of the same game hour, across midnight when it began the day before.
  for (size_t steps = 1; steps < starts.size(); ++steps) {
    const size_t before = i == 0 ? starts.size() - 1 : i - 1;
    if (starts[before].game_hhmm / 100 != hour) break;
    if (i == 0) --day;
    i = before;
  }
  return day * kSecondsPerDay + starts[i].second;
}

}  // namespace tavlin
