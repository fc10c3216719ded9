#include "timetable/timetable_texts.h"

#include "base/scaling.h"
#include "base/text.h"
#include "clock/schedule.h"

namespace tavlin {

namespace {

struct HourPair {
  const char* label;
  const char* duration;
};

// One game day, starting with the double-hour of schedule row 1 (미시 at 00:02:24).
constexpr std::array<HourPair, 12> kGameDay = {{
    {"미시(未時) 13~15", "14:24"},
    {"신시(申時) 15~17", "45:36"},
    {"유시(酉時) 17~19", "33:36"},
    {"술시(戌時) 19~21", "19:12"},
    {"해시(亥時) 21~23", "09:36"},
    {"자시(子時) 23~01", "04:48"},
    {"축시(丑時) 01~03", "07:12"},
    {"인시(寅時) 03~05", "09:36"},
    {"묘시(卯時) 05~07", "24:00"},
    {"진시(辰時) 07~09", "40:48"},
    {"사시(巳時) 09~11", "24:00"},
    {"오시(午時) 11~13", "07:12"},
}};

template <typename Pick>
std::array<std::string, kHourListEntries> SixGameDays(const char* header, Pick pick) {
  std::array<std::string, kHourListEntries> list;
  list[0] = header;
  for (int i = 1; i < kHourListEntries; ++i) list[i] = pick(kGameDay[(i - 1) % 12]);
  return list;
}

// Steps a schedule row number forward by one, from 72 back to 1.
int NextRow(int row) {
  return row + 1 > kScheduleRows ? 1 : row + 1;
}

int RowsAhead(int row, int ahead) {
  const int k = row + ahead;
  return k > kScheduleRows ? k - kScheduleRows : k;
}

}  // namespace

const std::array<const char*, kTimeGridColumns> kTimeGridHeaders = {
    "게임속 시진", "현실시간~(지속)", "다음시간1", "다음시간2", "다음시간3"};

std::string TimetableCaption() {
  return "Ondrela 게임시간표(중국자료)";
}

const std::array<std::string, kHourListEntries>& HourLabelList() {
  static const auto list = SixGameDays("게임시간간격", [](const HourPair& p) { return p.label; });
  return list;
}

const std::array<std::string, kHourListEntries>& HourDurationList() {
  static const auto list =
      SixGameDays("현실지속시간", [](const HourPair& p) { return p.duration; });
  return list;
}

int CurrentTimetableRow(int32_t present) {
  // The grid always shows a row: a present that is no time of day shows the midnight row too.
  const int row = CurrentScheduleRow(present);
  return row != 0 ? row : kMidnightRow;
}

TimeGridTexts ShowTimeGrid(int32_t present) {
  const auto& schedule = Schedule();
  const auto& labels = HourLabelList();
  const auto& durations = HourDurationList();
  TimeGridTexts grid;
  for (int c = 0; c < kTimeGridColumns; ++c) grid[0][c] = kTimeGridHeaders[c];

  // k0 walks the rows shown; k1..k3 walk one, two and three game days (12 rows each) ahead.
  const int cur = CurrentTimetableRow(present);
  int k0 = cur - 1;
  int k1 = RowsAhead(cur - 1, 12);
  int k2 = RowsAhead(cur - 1, 24);
  int k3 = RowsAhead(cur - 1, 36);
  for (int j = 1; j < kTimeGridRows; ++j) {
    k0 = NextRow(k0);
    k1 = NextRow(k1);
    k2 = NextRow(k2);
    k3 = NextRow(k3);
    grid[j][0] = labels[k0];
    grid[j][1] = HhmmssToText(schedule[k0].RealStart) + "~(" + durations[k0] + ")";
    grid[j][2] = HhmmssToText(schedule[k1].RealStart) + " ~";
    grid[j][3] = HhmmssToText(schedule[k2].RealStart) + " ~";
    grid[j][4] = HhmmssToText(schedule[k3].RealStart) + " ~";
  }
  return grid;
}

Size TimeGridCellsSize(int dpi) {
  const int line = ScaleToDpi(kTimeGridLineWidth, dpi);
  int width = 0;
  for (int column : kTimeGridColumnWidths) width += ScaleToDpi(column, dpi) + line;
  return Size{width, kTimeGridRows * (ScaleToDpi(kTimeGridRowHeight, dpi) + line)};
}

}  // namespace tavlin
