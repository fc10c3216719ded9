// The editor's form and list rows as texts: what the player typed turned into an alarm's fields
// (with what keeps it out of the list), an alarm's fields turned back into the form's texts, and
// what one row of the list shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/alarm_list_edit.h"
#include "editor/next_due.h"
#include "popup/popup_types.h"

namespace tavlin {

/// The kinds in the order of the form's drop-down list, with their words.
inline constexpr std::array<int32_t, 3> kKindChoices = {kRealTimeAlarm, kGameTimeAlarm,
                                                        kGameTimeColourAlarm};
inline constexpr std::array<const char*, 3> kKindWords = {"실제 시각 · 초록", "게임 시각 · 주황",
                                                          "게임 시각 · 파랑"};
/// The days in the order of the form's drop-down list: 0 every day, then Monday to Sunday.
inline constexpr std::array<const char*, 8> kDayWords = {"매일", "월", "화", "수",
                                                         "목",   "금", "토", "일"};

/// The form's fields as the player typed them. The message may hold line breaks (CR LF).
struct FormTexts {
  int kind_choice = 0;  ///< index into kKindChoices
  std::string start, end;
  int day_choice = 0;  ///< index into kDayWords
  std::string title, body, warning;
  bool operator==(const FormTexts&) const = default;
};

struct FormReading {
  AlarmFields fields;
  std::vector<FieldProblem> problems;  ///< what the typing itself got wrong
};

/// The texts the form shows for `fields`; the message's "//" become line breaks.
FormTexts FormOf(const AlarmFields& fields);
/// The alarm the form's texts describe: "h:mm" or "hh:mm" times, warning minutes or nothing, line
/// breaks of the message written as "//". Fields that cannot be read are named in `problems`.
FormReading ReadForm(const FormTexts& texts);

/// The words of an alarm's kind in the list ("실제 시각 · 초록"), or its number for another kind.
std::string KindWords(int32_t kind);

/// What one row of the list shows, column by column.
struct AlarmRow {
  enum class Look { kOn, kOff, kRefused, kEmpty };
  Look look = Look::kOn;
  int32_t kind = 0;  ///< of an alarm; its colour marks the kind column
  std::string kind_words, times, day, title, warning, next_due;
};

inline constexpr char kSwitchedOff[] = "꺼짐 (빈 줄 뒤)";
inline constexpr char kEmptyLineRow[] = "빈 줄: 아래 알림은 꺼짐";
inline constexpr char kUnreadRow[] = "100번째 줄 뒤라 읽지 않습니다";

/// The row of `line` when the local clock reads `now`: an alarm's fields in words and when it
/// next falls due; a refused line's own text and the load's message; an alarm after the first
/// empty line shown as switched off.
AlarmRow RowOf(const EditLine& line, const LocalMoment& now);

/// The popup `fields` rise in when they fall due, titled and coloured as the alarm check does.
Notice PreviewNotice(const AlarmFields& fields);

}  // namespace tavlin
