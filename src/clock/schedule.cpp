#include "clock/schedule.h"

#include "base/text.h"

namespace tavlin {

// Six cycles of twelve double-hours, one game day (four real hours) each, one row a line.
// clang-format off
const std::array<const char*, kScheduleRows + 1> kScheduleRowTexts = {
    "실시작|실끝|겜시작|겜끝|한자시간|낮밤",
    "000224|001647|130000|145959|미시|낮",
    "001648|010223|150000|165959|신시|낮",
    "010224|013559|170000|165959|유시|낮",
    "013600|015511|190000|165959|술시|밤",
    "015512|020447|210000|005959|해시|밤",
    "020448|020935|230000|005959|자시|밤",
    "020936|021647|010000|005959|축시|밤",
    "021648|022623|030000|005959|인시|밤",
    "022624|025023|050000|005959|묘시|밤",
    "025024|033111|070000|005959|진시|낮",
    "033112|035511|090000|005959|사시|낮",
    "035512|040223|110000|005959|오시|낮",
    "040224|041647|130000|005959|미시|낮",
    "041648|050223|150000|005959|신시|낮",
    "050224|053559|170000|005959|유시|낮",
    "053600|055511|190000|005959|술시|밤",
    "055512|060447|210000|005959|해시|밤",
    "060448|060935|230000|005959|자시|밤",
    "060936|061647|010000|005959|축시|밤",
    "061648|062623|030000|005959|인시|밤",
    "062624|065023|050000|005959|묘시|밤",
    "065024|073111|070000|005959|진시|밤",
    "073112|075511|090000|005959|사시|낮",
    "075512|080223|110000|005959|오시|낮",
    "080224|081647|130000|005959|미시|낮",
    "081648|090223|150000|005959|신시|밤",
    "090224|093559|170000|005959|유시|밤",
    "093600|095511|190000|005959|술시|밤",
    "095512|100447|210000|005959|해시|밤",
    "100448|100935|230000|005959|자시|밤",
    "100936|101647|010000|005959|축시|밤",
    "101648|102623|030000|005959|인시|밤",
    "102624|105023|050000|005959|묘시|밤",
    "105024|113111|070000|005959|진시|밤",
    "113112|115511|090000|005959|사시|밤",
    "115512|120223|110000|005959|오시|밤",
    "120224|121647|130000|005959|미시|밤",
    "121648|130223|150000|005959|신시|밤",
    "130224|133559|170000|005959|유시|밤",
    "133600|135511|190000|005959|술시|밤",
    "135512|140447|210000|005959|해시|밤",
    "140448|140935|230000|005959|자시|밤",
    "140936|141647|010000|005959|축시|밤",
    "141648|142623|030000|005959|인시|밤",
    "142624|145023|050000|005959|묘시|밤",
    "145024|153111|070000|005959|진시|밤",
    "153112|155511|090000|005959|사시|밤",
    "155512|160223|110000|005959|오시|밤",
    "160224|161647|130000|005959|미시|밤",
    "161648|170223|150000|005959|신시|밤",
    "170224|173559|170000|005959|유시|밤",
    "173600|175511|190000|005959|술시|밤",
    "175512|180447|210000|005959|해시|밤",
    "180448|180935|230000|005959|자시|밤",
    "180936|181647|010000|005959|축시|밤",
    "181648|182623|030000|005959|인시|밤",
    "182624|185023|050000|005959|묘시|밤",
    "185024|193111|070000|005959|진시|밤",
    "193112|195511|090000|005959|사시|밤",
    "195512|200223|110000|005959|오시|밤",
    "200224|201647|130000|005959|미시|밤",
    "201648|210223|150000|005959|신시|밤",
    "210224|213559|170000|005959|유시|밤",
    "213600|215511|190000|005959|술시|밤",
    "215512|220447|210000|005959|해시|밤",
    "220448|220935|230000|005959|자시|밤",
    "220936|221647|010000|005959|축시|밤",
    "221648|222623|030000|005959|인시|밤",
    "222624|225023|050000|005959|묘시|밤",
    "225024|233111|070000|005959|진시|밤",
    "233112|235511|090000|005959|사시|밤",
    "235512|000223|110000|125959|오시|밤",
};
// clang-format on

namespace {

using ScheduleTable = std::array<Ttavlintime, kScheduleRows + 1>;

void FillRows(ScheduleTable& table) {
  for (int i = 1; i <= kScheduleRows; ++i) {
    const std::string_view line = kScheduleRowTexts[i];
    if (line.empty()) continue;
    const std::vector<std::string> fields = SplitText(line, "|");
    Ttavlintime& row = table[i];
    row.RealStart = StrToInt(fields.at(0));
    row.RealEnd = StrToInt(fields.at(1));
    row.GameStart = StrToInt(fields.at(2));
    row.GameEnd = StrToInt(fields.at(3));
    row.HourName = fields.at(4);
    row.DayNight = fields.at(5);
  }
}

// Filled on first use, so the table is whole before any tick, paint or window reads it: a read
// of an empty row would divide by its zero length.
ScheduleTable& Table() {
  static ScheduleTable table = [] {
    ScheduleTable filled;
    FillRows(filled);
    return filled;
  }();
  return table;
}

void AppendRow(std::vector<std::string>& out, const Ttavlintime& row) {
  out.push_back(std::to_string(row.RealStart));
  out.push_back(std::to_string(row.RealEnd));
  out.push_back(std::to_string(row.GameStart));
  out.push_back(std::to_string(row.GameEnd));
  out.push_back(row.HourName);
  out.push_back(row.DayNight);
}

}  // namespace

const std::array<Ttavlintime, kScheduleRows + 1>& Schedule() {
  return Table();
}

void BuildSchedule() {
  FillRows(Table());
}

int CurrentScheduleRow(int32_t t) {
  constexpr int32_t kLastSecondOfDay = 235959;
  if (t < 0 || t > kLastSecondOfDay) return 0;
  const ScheduleTable& schedule = Table();
  for (int r = 1; r <= kScheduleRows; ++r) {
    if (schedule[r].RealStart <= t && t <= schedule[r].RealEnd) return r;
  }
  const Ttavlintime& midnight = schedule[kMidnightRow];
  return t >= midnight.RealStart || t <= midnight.RealEnd ? kMidnightRow : 0;
}

std::vector<std::string> FindScheduleRows(int32_t t) {
  const int current = CurrentScheduleRow(t);
  std::vector<std::string> result;
  if (current == 0) return result;
  const int next = current == kScheduleRows ? 1 : current + 1;
  const ScheduleTable& schedule = Table();
  AppendRow(result, schedule[current]);
  AppendRow(result, schedule[next]);
  return result;
}

}  // namespace tavlin
