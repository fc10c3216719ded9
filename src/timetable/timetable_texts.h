// timetable/ holds the game-hour timetable: its texts and its window.
// What the game-hour timetable window shows: the current double-hour and the eleven after it, each
// with its real start, its real length and its next three real starts, as 13 rows of 5 texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/geometry.h"

namespace tavlin {

constexpr int kTimeGridColumns = 5;
constexpr int kTimeGridRows = 13;  ///< row 0 is the header
/// Entries of the label and duration lists: entry 0 is a header, entry i belongs to schedule row i.
constexpr int kHourListEntries = 73;

/// "Ondrela 게임시간표(중국자료)": the table's data came from a Chinese source. No address: the
/// page is not known, and a made-up one reads as a real page or as a fault.
std::string TimetableCaption();

/// Texts of the header row, column 0 first.
extern const std::array<const char*, kTimeGridColumns> kTimeGridHeaders;

/// The double-hour label list: entry 0 "게임시간간격", then "미시(未時) 13~15" .. "오시(午時)
/// 11~13" six times over. Built on first use and kept until the program ends.
const std::array<std::string, kHourListEntries>& HourLabelList();
/// The duration list, real minutes:seconds of each double-hour: entry 0 "현실지속시간", then
/// "14:24" .. "07:12" six times over.
const std::array<std::string, kHourListEntries>& HourDurationList();

/// The schedule row in progress at the HHMMSS value `present`, as the strip finds it
/// (CurrentScheduleRow: 72 from 23:55:12 to 00:02:23); a present that is no time of day gives the
/// midnight row too, so the grid always has a row to show.
int CurrentTimetableRow(int32_t present);

using TimeGridTexts = std::array<std::array<std::string, kTimeGridColumns>, kTimeGridRows>;

/// All texts of the grid for the HHMMSS value `present`: the header in row 0, and in row j
/// (1..12) schedule row cur + j - 1 (cyclic over 1..72, cur = CurrentTimetableRow): its label, its
/// real start with its length ("00:02:24~(14:24)"), and the real starts of the rows 12, 24 and 36
/// further on, each followed by " ~". Row 1, the double-hour in progress, is the one to select.
TimeGridTexts ShowTimeGrid(int32_t present);

/// Left edge of a text `text_width` wide centred in the cell [left, right): the division
/// truncates toward zero, so a text wider than the cell starts left of it.
inline int CenteredTextLeft(int left, int right, int text_width) {
  return left + (right - left - text_width) / 2;
}
/// A cell's text sits this far below the cell's top edge.
constexpr int kCellTextTop = 2;

/// The grid's column widths and row height at 96 DPI, and the width of the line after each cell.
inline constexpr std::array<int, kTimeGridColumns> kTimeGridColumnWidths = {115, 115, 80, 80, 80};
constexpr int kTimeGridRowHeight = 16;
constexpr int kTimeGridLineWidth = 1;

/// The block of all cells with their lines at `dpi`, 475 x 221 at 96. Widths, heights and lines
/// are scaled one by one, so the block grows faster than the DPI: a line is 2 pixels wide from
/// 144 DPI on.
Size TimeGridCellsSize(int dpi);

}  // namespace tavlin
