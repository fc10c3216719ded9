#include "editor/alarm_form.h"

#include <algorithm>
#include <optional>

#include "alarms/alarm_check.h"
#include "base/text.h"

namespace tavlin {

namespace {

std::optional<int32_t> Digits(const std::string& text) {
  if (text.empty() || text.size() > 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoi(text);
}

// "h:mm" or "hh:mm" as an HHMM value; nothing for anything else.
std::optional<int32_t> ReadClock(const std::string& text) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 2 || text.size() - colon != 3)
    return std::nullopt;
  const std::optional<int32_t> hours = Digits(text.substr(0, colon));
  const std::optional<int32_t> minutes = Digits(text.substr(colon + 1));
  if (!hours || !minutes || *hours > 23 || *minutes > 59) return std::nullopt;
  return *hours * 100 + *minutes;
}

}  // namespace

FormTexts FormOf(const AlarmFields& fields) {
  FormTexts texts;
  const auto kind = std::find(kKindChoices.begin(), kKindChoices.end(), fields.kind);
  texts.kind_choice =
      kind == kKindChoices.end() ? 0 : static_cast<int>(kind - kKindChoices.begin());
  texts.start = ClockText(fields.start);
  texts.end = ClockText(fields.end);
  texts.day_choice = fields.repeat_day >= 0 && fields.repeat_day <= 7 ? fields.repeat_day : 0;
  texts.title = fields.title;
  texts.body = ReplaceAll(fields.body, "//", "\r\n");
  texts.warning = fields.warning_minutes != 0 ? std::to_string(fields.warning_minutes) : "";
  return texts;
}

FormReading ReadForm(const FormTexts& texts) {
  FormReading reading;
  AlarmFields& fields = reading.fields;
  fields.kind = kKindChoices.at(static_cast<size_t>(std::clamp(texts.kind_choice, 0, 2)));
  const std::optional<int32_t> start = ReadClock(texts.start);
  const std::optional<int32_t> end = ReadClock(texts.end);
  if (!start) reading.problems.push_back({AlarmField::kStart, kTimeRangeMessage});
  if (!end) reading.problems.push_back({AlarmField::kEnd, kTimeRangeMessage});
  fields.start = start.value_or(0);
  fields.end = end.value_or(0);
  fields.repeat_day = std::clamp(texts.day_choice, 0, 7);
  fields.title = texts.title;
  // Every kind of line break the edit box may hold is one "//".
  fields.body =
      ReplaceAll(ReplaceAll(ReplaceAll(texts.body, "\r\n", "//"), "\r", "//"), "\n", "//");
  if (!texts.warning.empty()) {
    const std::optional<int32_t> minutes = Digits(texts.warning);
    if (!minutes || *minutes < 1 || *minutes > kMaxWarningMinutes) {
      reading.problems.push_back({AlarmField::kWarning, kWarningRangeMessage});
    } else {
      fields.warning_minutes = *minutes;
    }
  }
  return reading;
}

std::string KindWords(int32_t kind) {
  const auto found = std::find(kKindChoices.begin(), kKindChoices.end(), kind);
  return found == kKindChoices.end()
             ? std::to_string(kind)
             : kKindWords.at(static_cast<size_t>(found - kKindChoices.begin()));
}

AlarmRow RowOf(const EditLine& line, const LocalMoment& now) {
  AlarmRow row;
  switch (line.kind) {
    case EditLine::Kind::kEmpty:
      row.look = AlarmRow::Look::kEmpty;
      row.title = kEmptyLineRow;
      return row;
    case EditLine::Kind::kRefused:
    case EditLine::Kind::kUnread:
      row.look = AlarmRow::Look::kRefused;
      row.title = line.text;
      row.next_due = line.kind == EditLine::Kind::kRefused ? line.error : kUnreadRow;
      return row;
    case EditLine::Kind::kAlarm:
      break;
  }
  const AlarmFields& fields = line.fields;
  row.look = line.on ? AlarmRow::Look::kOn : AlarmRow::Look::kOff;
  row.kind = fields.kind;
  row.kind_words = KindWords(fields.kind);
  row.times = ClockText(fields.start) + " ~ " + ClockText(fields.end);
  row.day = fields.repeat_day >= 0 && fields.repeat_day <= 7
                ? kDayWords.at(static_cast<size_t>(fields.repeat_day))
                : std::to_string(fields.repeat_day);
  row.title = fields.title;
  row.warning = fields.warning_minutes != 0 ? std::to_string(fields.warning_minutes) + "분" : "";
  row.next_due = line.on ? NextDueText(fields, now) : kSwitchedOff;
  return row;
}

Notice PreviewNotice(const AlarmFields& fields) {
  TtavlinAlarm alarm;
  alarm.Kind = fields.kind;
  alarm.Subject = fields.title;
  alarm.Body = fields.body;
  return AlarmNotice(alarm, alarm.Subject + " ");
}

}  // namespace tavlin
