#include "editor/alarm_list_edit.h"

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "base/wide_text.h"

namespace tavlin {

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char kCrLf[] = "\r\n";

bool IsClock(int32_t hhmm) {
  return hhmm >= 0 && hhmm / 100 <= 23 && hhmm % 100 <= 59;
}

// The characters of `text` code page 949 cannot hold, each once, separated by blanks.
std::string CharactersNotInCp949(std::string_view text) {
  if (Utf8ToCp949(text)) return {};
  std::vector<std::string> missing;
  const std::u16string units = Utf8ToUtf16(text);
  for (size_t i = 0; i < units.size(); ++i) {
    const bool pair = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size();
    const std::string character = Utf16ToUtf8(std::u16string_view(units).substr(i, pair ? 2 : 1));
    if (pair) ++i;
    if (!Utf8ToCp949(character) &&
        std::find(missing.begin(), missing.end(), character) == missing.end()) {
      missing.push_back(character);
    }
  }
  std::string joined;
  for (const std::string& character : missing) joined += (joined.empty() ? "" : " ") + character;
  return joined;
}

void CheckText(const std::string& text, AlarmField field, std::vector<FieldProblem>& problems) {
  if (text.find('|') != std::string::npos) problems.push_back({field, kBarMessage});
  if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
    problems.push_back({field, kLineBreakMessage});
}

}  // namespace

std::string ClockText(int32_t hhmm) {
  return std::to_string(hhmm / 100) + ":" + TwoDigits(hhmm % 100);
}

AlarmListEdit AlarmListEdit::Load(std::string bytes) {
  AlarmListEdit list;
  const TextLayout layout = LayOutPlayerText(bytes);
  list.encoding_ = layout.encoding;
  list.prefix_ = bytes.substr(0, layout.start);
  list.tail_ = bytes.substr(layout.end);
  const std::string_view text =
      std::string_view(bytes).substr(layout.start, layout.end - layout.start);
  // Decoded once, as the load decodes it: the lines of the text are the lines cut in its bytes.
  const std::vector<std::string> texts = SplitLines(DecodeAs(text, layout.encoding));
  const std::vector<ByteLine> spans = ByteLines(text, layout.encoding);
  for (size_t i = 0; i < spans.size(); ++i) {
    const ByteLine& span = spans[i];
    EditLine line;
    line.bytes = std::string(text.substr(span.start, span.length));
    line.text = i < texts.size() ? texts[i] : DecodeAs(*line.bytes, layout.encoding);
    line.end = std::string(text.substr(span.start + span.length, span.end_length));
    if (!list.heading_) {
      list.heading_ = std::move(line);
    } else {
      list.lines_.push_back(std::move(line));
    }
  }
  list.line_end_ =
      list.heading_ && !list.heading_->end.empty() ? list.heading_->end : list.LineEnd(kCrLf);
  list.loaded_ = std::move(bytes);
  list.Refresh();
  return list;
}

AlarmListEdit AlarmListEdit::New() {
  AlarmListEdit list;
  list.prefix_ = kUtf8Bom;
  list.line_end_ = kCrLf;
  list.heading_ = EditLine{};
  list.Rewrite(*list.heading_, kAlarmListHeading);
  list.heading_->end = kCrLf;
  return list;
}

void AlarmListEdit::Refresh() {
  // A lone CR before an empty line that ends in LF would join the two into one CR LF, and the
  // empty line would be lost: only an edit can bring them together, and CR LF keeps them apart.
  const std::string lf = LineEnd("\n");
  EditLine* before = heading_ ? &*heading_ : nullptr;
  for (EditLine& line : lines_) {
    if (before && line.text.empty() && before->end == LineEnd("\r") &&
        line.end.substr(0, lf.size()) == lf) {
      before->end = LineEnd(kCrLf);
    }
    before = &line;
  }
  bool before_empty = true;
  for (size_t i = 0; i < lines_.size(); ++i) {
    EditLine& line = lines_[i];
    line.on = false;
    line.error.clear();
    line.fields = {};
    if (i >= static_cast<size_t>(kAlarmCapacity)) {
      line.kind = EditLine::Kind::kUnread;
      continue;
    }
    TtavlinAlarm record;
    try {
      ReadAlarmLine(line.text, static_cast<int>(i) + 1, record);
    } catch (const TavlinError& error) {
      line.kind = EditLine::Kind::kRefused;
      line.error = error.what();
      continue;
    }
    if (line.text.empty()) {
      line.kind = EditLine::Kind::kEmpty;
      before_empty = false;
      continue;
    }
    line.kind = EditLine::Kind::kAlarm;
    line.on = before_empty && record.Kind > 0;
    // The load's list ends at a kind of 0 or less as at an empty line.
    if (record.Kind <= 0) before_empty = false;
    line.fields = {record.Kind,    record.StartTime, record.EndTime,       record.RepeatDay,
                   record.Subject, record.Body,      record.WarningMinutes};
  }
}

std::string AlarmListEdit::LineEnd(std::string_view end) const {
  // Line ends are the same bytes in code page 949 as in UTF-8.
  return encoding_ == TextEncoding::kCp949 ? std::string(end) : EncodeAs(end, encoding_).value();
}

size_t AlarmListEdit::UsedLines() const {
  size_t used = lines_.size();
  while (used > 0 && lines_[used - 1].text.empty()) --used;
  return used;
}

std::string AlarmListEdit::Bytes() const {
  std::string bytes = prefix_;
  const auto append = [&](const EditLine& line) {
    // Only lines whose text Check let through are rewritten, so their encoding never fails.
    bytes += line.bytes ? *line.bytes : EncodeAs(line.text, encoding_).value();
    bytes += line.end;
  };
  if (heading_) append(*heading_);
  for (const EditLine& line : lines_) append(line);
  return bytes + tail_;
}

std::vector<FieldProblem> AlarmListEdit::Check(const AlarmFields& fields) const {
  std::vector<FieldProblem> problems;
  if (fields.kind != kRealTimeAlarm && fields.kind != kGameTimeAlarm &&
      fields.kind != kGameTimeColourAlarm) {
    problems.push_back({AlarmField::kKind, kUnknownKindMessage});
  }
  if (!IsClock(fields.start)) problems.push_back({AlarmField::kStart, kTimeRangeMessage});
  if (!IsClock(fields.end)) problems.push_back({AlarmField::kEnd, kTimeRangeMessage});
  if (fields.repeat_day < 0 || fields.repeat_day > 7) {
    problems.push_back({AlarmField::kDay, kDayRangeMessage});
  } else if (fields.repeat_day != 0 && fields.kind != kRealTimeAlarm) {
    problems.push_back({AlarmField::kDay, kDayKindMessage});
  }
  if (fields.title.empty()) problems.push_back({AlarmField::kTitle, kTitleEmptyMessage});
  CheckText(fields.title, AlarmField::kTitle, problems);
  // A line ending in the "|" before an empty message has six fields, which the load refuses.
  if (fields.body.empty()) problems.push_back({AlarmField::kBody, kBodyEmptyMessage});
  CheckText(fields.body, AlarmField::kBody, problems);
  if (fields.warning_minutes != 0 &&
      (fields.warning_minutes < 1 || fields.warning_minutes > kMaxWarningMinutes)) {
    problems.push_back({AlarmField::kWarning, kWarningRangeMessage});
  }
  if (encoding_ == TextEncoding::kCp949) {
    for (const auto& [text, field] : {std::pair{&fields.title, AlarmField::kTitle},
                                      std::pair{&fields.body, AlarmField::kBody}}) {
      const std::string missing = CharactersNotInCp949(*text);
      if (!missing.empty()) problems.push_back({field, kNotInCp949Message + missing});
    }
  }
  return problems;
}

std::string AlarmListEdit::LineText(const std::string& number, const AlarmFields& fields) const {
  std::string text = number + "|" + std::to_string(fields.kind) + "|" + ClockText(fields.start) +
                     "|" + ClockText(fields.end) + "|" + std::to_string(fields.repeat_day) + "|" +
                     fields.title + "|" + fields.body;
  if (fields.warning_minutes != 0) text += "|" + std::to_string(fields.warning_minutes);
  return text;
}

void AlarmListEdit::Rewrite(EditLine& line, std::string text) {
  line.text = std::move(text);
  line.bytes.reset();
}

std::vector<FieldProblem> AlarmListEdit::Add(const AlarmFields& fields) {
  std::vector<FieldProblem> problems = Check(fields);
  if (UsedLines() >= static_cast<size_t>(kAlarmCapacity))
    problems.push_back({AlarmField::kList, kListFullMessage});
  if (!problems.empty()) return problems;

  int64_t highest = 0;
  for (const EditLine& line : lines_) {
    const std::optional<int32_t> number =
        ParseIntegerText(line.text.substr(0, line.text.find('|')));
    if (number) highest = std::max<int64_t>(highest, *number);
  }
  size_t at = 0;
  for (size_t i = 0; i < lines_.size() && lines_[i].kind != EditLine::Kind::kEmpty; ++i) {
    if (lines_[i].on) at = i + 1;
  }
  if (!heading_) {
    heading_ = EditLine{};
    Rewrite(*heading_, kAlarmListHeading);
    heading_->end = line_end_;
  }
  EditLine line;
  Rewrite(line, LineText(std::to_string(highest + 1), fields));
  line.end = line_end_;
  // A last line without a line end keeps the file ending so, and gets one before the new line.
  EditLine& before = at == 0 ? *heading_ : lines_[at - 1];
  if (at == lines_.size() && before.end.empty()) std::swap(line.end, before.end);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  Refresh();
  return problems;
}

std::vector<FieldProblem> AlarmListEdit::Change(size_t index, const AlarmFields& fields) {
  std::vector<FieldProblem> problems = Check(fields);
  if (index >= lines_.size() || (lines_[index].kind != EditLine::Kind::kAlarm &&
                                 lines_[index].kind != EditLine::Kind::kRefused)) {
    problems.push_back({AlarmField::kList, kNotAnAlarmMessage});
  }
  if (!problems.empty()) return problems;
  EditLine& line = lines_[index];
  Rewrite(line, LineText(line.text.substr(0, line.text.find('|')), fields));
  Refresh();
  return problems;
}

std::vector<FieldProblem> AlarmListEdit::ChangeText(size_t index, const std::string& text) {
  std::vector<FieldProblem> problems;
  if (index >= lines_.size() || (lines_[index].kind != EditLine::Kind::kRefused &&
                                 lines_[index].kind != EditLine::Kind::kAlarm)) {
    problems.push_back({AlarmField::kList, kNotAnAlarmMessage});
  }
  if (text.find_first_of("\r\n") != std::string::npos)
    problems.push_back({AlarmField::kList, kOneLineMessage});
  if (encoding_ == TextEncoding::kCp949) {
    const std::string missing = CharactersNotInCp949(text);
    if (!missing.empty()) problems.push_back({AlarmField::kList, kNotInCp949Message + missing});
  }
  if (!problems.empty()) return problems;
  Rewrite(lines_[index], text);
  Refresh();
  return problems;
}

bool AlarmListEdit::Delete(size_t index) {
  if (index >= lines_.size()) return false;
  // The last line's missing line end stays missing: the line before takes its place at the end.
  if (index + 1 == lines_.size() && lines_[index].end.empty() && index > 0)
    lines_[index - 1].end.clear();
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
  Refresh();
  return true;
}

bool AlarmListEdit::MoveUp(size_t index) {
  return index > 0 && MoveDown(index - 1);
}

bool AlarmListEdit::MoveDown(size_t index) {
  if (index + 1 >= lines_.size()) return false;
  if (index + 1 >= static_cast<size_t>(kAlarmCapacity) && !lines_[index].text.empty()) return false;
  // Line ends stay where they are, so that the file's last line keeps its (missing) line end.
  std::swap(lines_[index].text, lines_[index + 1].text);
  std::swap(lines_[index].bytes, lines_[index + 1].bytes);
  Refresh();
  return true;
}

void AlarmListEdit::SwitchToUtf8() {
  const TextEncoding from = encoding_;
  const auto convert = [&](EditLine& line) {
    line.bytes.reset();
    line.end = DecodeAs(line.end, from);
  };
  if (heading_) convert(*heading_);
  for (EditLine& line : lines_) convert(line);
  line_end_ = DecodeAs(line_end_, from);
  encoding_ = TextEncoding::kUtf8;
  prefix_ = kUtf8Bom;
}

}  // namespace tavlin
