#include "editor/next_due.h"

#include <chrono>
#include <optional>

#include "alarms/alarm_check.h"
#include "alarms/alarm_warning.h"
#include "base/text.h"
#include "clock/game_time.h"

namespace tavlin {

std::string NextDueText(const AlarmFields& fields, const LocalMoment& now) {
  TtavlinAlarm alarm;
  alarm.Kind = fields.kind;
  alarm.StartTime = fields.start;
  alarm.EndTime = fields.end;
  alarm.RepeatDay = fields.repeat_day;
  const bool game = fields.kind == kGameTimeAlarm || fields.kind == kGameTimeColourAlarm;
  if (!game && fields.kind != kRealTimeAlarm) return kKindNeverDue;
  if (game && fields.repeat_day != 0) return kGameDayNeverDue;

  const int32_t second_of_week = SecondOfWeek(now.weekday, now.hour, now.minute, now.second);
  const std::optional<int32_t> until = SecondsUntilDue(alarm, second_of_week, kSecondsPerWeek);
  if (!until) return kAlwaysOpen;

  // The due moment on the calendar: whole days from today, then the time of that day.
  using namespace std::chrono;
  const int32_t at = now.hour * 3600 + now.minute * 60 + now.second + *until;
  const year_month_day date{sys_days{year{now.year} / now.month / now.day} + days{at / 86400}};
  const int32_t second_of_day = at % 86400;
  std::string text = TwoDigits(static_cast<unsigned>(date.month())) + "-" +
                     TwoDigits(static_cast<unsigned>(date.day())) + " " +
                     TwoDigits(second_of_day / 3600) + ":" + TwoDigits(second_of_day / 60 % 60);
  GameTimeTexts texts;
  if (game && ComputeGameTimeAt(
                  second_of_day / 3600 * 10000 + second_of_day / 60 % 60 * 100 + second_of_day % 60,
                  texts)) {
    text +=
        " (게임 " + TwoDigits(texts.game_hhmm / 100) + ":" + TwoDigits(texts.game_hhmm % 100) + ")";
  }
  return text;
}

}  // namespace tavlin
