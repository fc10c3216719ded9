// The game clock's minutes laid on the real day: when each game minute begins, and when the game
// hour in progress began. The double-hours differ in real length, so only the schedule knows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavlin {

constexpr int32_t kSecondsPerDay = 86400;

/// The game clock's minute from one real second of the day on, until the next entry.
struct GameMinuteStart {
  int32_t second;  ///< second of the real day
  int32_t game_hhmm;
};

/// Every real second of the day at which the game clock shows a new minute, the first second of
/// the day included (whose minute may have begun the day before). The same every day; worked out
/// from the schedule on first use.
const std::vector<GameMinuteStart>& GameMinuteStarts();

/// Index in GameMinuteStarts() of the game minute in progress at `second_of_day`.
size_t GameMinuteAt(int32_t second_of_day);

/// The real moment (seconds since 1970-01-01 00:00:00, local clock) at which the game hour in
/// progress at the real moment `moment` began; a game hour may have begun on the day before or
/// in another real four-hour block. `moment` itself without a schedule.
int64_t GameHourBegan(int64_t moment);

/// Days and seconds of a moment, rounded down (also before 1970).
inline int64_t DayOf(int64_t moment) {
  return (moment >= 0 ? moment : moment - (kSecondsPerDay - 1)) / kSecondsPerDay;
}
inline int32_t SecondOfDay(int64_t moment) {
  return static_cast<int32_t>(moment - DayOf(moment) * kSecondsPerDay);
}

}  // namespace tavlin
