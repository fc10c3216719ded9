// The game-hour schedule: 72 rows that map every real second of the day to the double-hour in
// progress and the game time at which that double-hour begins.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavlin {

/// One schedule row. Times are HHMMSS values; RealStart and RealEnd are both inclusive.
struct Ttavlintime {
  int32_t RealStart = 0;
  int32_t RealEnd = 0;
  int32_t GameStart = 0;
  int32_t GameEnd = 0;  // kept with the row; nothing reads it
  std::string HourName;
  std::string DayNight;  // "낮" or "밤"; kept with the row; nothing reads it
};

constexpr int kScheduleRows = 72;
/// Row 72 runs across midnight, 23:55:12 to 00:02:23; it is the only row with RealStart > RealEnd.
constexpr int kMidnightRow = 72;

/// The 73 literal row texts, header first; line i is row i.
extern const std::array<const char*, kScheduleRows + 1> kScheduleRowTexts;

/// The process-wide schedule; index 0 is never used. Rows 1..72 are filled from the row texts on
/// first use, so every reader finds them whole, whenever it comes.
const std::array<Ttavlintime, kScheduleRows + 1>& Schedule();

/// Fills rows 1..72 from the row texts again: the same values the first use wrote.
void BuildSchedule();

/// The schedule row in progress at the HHMMSS value `t`: the row whose RealStart <= t <= RealEnd,
/// or the midnight row 72 from its RealStart to the end of the day and from 00:00:00 to its
/// RealEnd (it is the one row that crosses midnight). 0 when `t` is no time of day.
int CurrentScheduleRow(int32_t t);

/// The row lookup result for the HHMMSS value `t`: the six fields of the current row then the six
/// fields of the next row, integers as plain decimal text. Empty when `t` is no time of day.
std::vector<std::string> FindScheduleRows(int32_t t);

}  // namespace tavlin
