// When an alarm of the editor's form next falls due, in words the form shows beside it.
#pragma once

#include <string>

#include "editor/alarm_list_edit.h"

namespace tavlin {

/// A reading of the local clock with its date.
struct LocalMoment {
  int year = 2000, month = 1, day = 1;
  int weekday = 1;  ///< Monday = 1 to Sunday = 7
  int hour = 0, minute = 0, second = 0;
};

inline constexpr char kGameDayNeverDue[] = "요일이 있는 게임 시각 알림은 울리지 않습니다";
inline constexpr char kKindNeverDue[] = "종류가 5, 6, 7이 아닌 알림은 울리지 않습니다";
inline constexpr char kAlwaysOpen[] = "늘 울릴 시간 안이라 매시 한 번씩 울립니다";

/// The first moment after `now` at which `fields` fall due, by the rule of the early warnings:
/// "12-09 22:35" (month-day hour:minute), for a game-clock alarm with the game time then,
/// "12-09 22:35 (게임 23:00)"; or why the alarm never falls due. Needs BuildSchedule.
std::string NextDueText(const AlarmFields& fields, const LocalMoment& now);

}  // namespace tavlin
