#include "alarms/alarm_list.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/text_decode.h"

namespace tavlin {

namespace {

// Positions of the fields of a data line; field 0 is the player's own alarm number, never read.
enum Field {
  kKindField = 1,
  kStartField,
  kEndField,
  kRepeatDayField,
  kSubjectField,
  kBodyField,
  kWarningField
};

const std::string& FieldAt(const std::vector<std::string>& fields, int position) {
  if (position >= static_cast<int>(fields.size())) {
    throw TavlinError("List index out of bounds (" + std::to_string(position) + ")");
  }
  return fields[position];
}

// "20:00" is 2000, "9:05" is 905 and "20:5" is 205: the digits are read as one number.
int32_t TimeField(const std::vector<std::string>& fields, int position) {
  return StrToInt(ReplaceAll(FieldAt(fields, position), ":", ""));
}

// The early warning of a line, 0 for none. The field is optional and came after the message,
// whose end once left the rest of the line unread: a line written then must keep loading, so a
// field that is not a warning only loses the warning, and its text is returned in `ignored`.
int32_t WarningField(const std::string& line, const std::vector<std::string>& fields,
                     std::optional<std::string>& ignored) {
  // SplitText drops an empty last piece, so a line ending in the seventh "|" is told by its count.
  if (std::count(line.begin(), line.end(), '|') < kWarningField) return 0;
  const std::string text =
      kWarningField < static_cast<int>(fields.size()) ? fields[kWarningField] : "";
  const std::optional<int32_t> minutes = ParseIntegerText(text);
  if (minutes && *minutes >= 1 && *minutes <= kMaxWarningMinutes) return *minutes;
  ignored = text;
  return 0;
}

// Each field is stored as soon as it is read, so a faulty field leaves the earlier ones in place.
// Returns the text of an eighth field that could not be a warning.
std::optional<std::string> ReadDataLine(const std::string& line, int k, TtavlinAlarm& record) {
  std::optional<std::string> ignored;
  if (line.empty()) {
    record = TtavlinAlarm{};
    record.LineNo = k;
    record.State = kAlarmArmed;
    return ignored;
  }
  const std::vector<std::string> fields = SplitText(line, "|");
  record.LineNo = k;
  record.Kind = StrToInt(FieldAt(fields, kKindField));
  record.StartTime = TimeField(fields, kStartField);
  record.EndTime = TimeField(fields, kEndField);
  record.RepeatDay = StrToInt(FieldAt(fields, kRepeatDayField));
  record.Subject = FieldAt(fields, kSubjectField);
  record.Body = FieldAt(fields, kBodyField);
  record.WarningMinutes = WarningField(line, fields, ignored);
  record.WarnedFor = kNotWarned;
  return ignored;
}

std::string IgnoredWarningNotice(const std::string& path, int data_line, const std::string& text) {
  return "알림 목록 \"" + path + "\"의 " + std::to_string(data_line) + "번째 알림 줄 (파일의 " +
         std::to_string(data_line + 1) + "번째 줄): 8번째 칸 \"" + text + "\"은(는) 1부터 " +
         std::to_string(kMaxWarningMinutes) +
         "까지의 분이 아니라서 미리 알림 없이 읽었습니다. 알림은 제 시간에 뜹니다.";
}

void AddNotice(std::string& notice, const std::string& sentence) {
  if (!notice.empty()) notice += "\n";
  notice += sentence;
}

std::string IgnoredLinesNotice(const std::string& path) {
  return "알림 목록 \"" + path + "\"에서 " + std::to_string(kAlarmCapacity) +
         "번째 알림 다음의 줄은 읽지 않았습니다. 알림은 " + std::to_string(kAlarmCapacity) +
         "개까지 쓸 수 있습니다.";
}

std::string UnknownEncodingNotice(const std::string& path) {
  return "알림 목록 \"" + path +
         "\"에 ANSI(949), UTF-8, 유니코드(UTF-16) 어느 것으로도 읽을 수 없는 바이트가 있어 그 "
         "글자는 \"\xEF\xBF\xBD\"로 읽었습니다. 한 가지 인코딩으로 다시 저장하세요.";
}

std::string FolderNotice(const std::string& path) {
  return "알림 목록 \"" + path +
         "\"이(가) 파일이 아니라 폴더라서 알림이 꺼졌습니다. 그 폴더의 이름을 바꾸고 알림 목록 "
         "파일을 만든 뒤 tavlin을 다시 시작하세요.";
}

void ArmList(AlarmTable& table) {
  for (int k = 1; k <= kAlarmCapacity; ++k) {
    table.records[k].State = kAlarmArmed;
    if (table.records[k].Kind == 0) break;
  }
}

}  // namespace

std::optional<std::string> ReadAlarmLine(const std::string& line, int data_line,
                                         TtavlinAlarm& record) {
  return ReadDataLine(line, data_line, record);
}

AlarmLoadResult ReadAlarmFile(const std::string& path, const FileSystem& files, AlarmTable& table) {
  std::string bytes;
  std::string reason;
  if (!files.ReadAll(path, &bytes, &reason)) {
    throw AlarmListError("Cannot open file \"" + path + "\". " + reason, path, 0);
  }
  const DecodedText decoded = DecodePlayerText(bytes);
  const std::vector<std::string> lines = SplitLines(decoded.text);

  AlarmLoadResult result;
  result.file_found = true;
  if (!decoded.clean) AddNotice(result.notice, UnknownEncodingNotice(path));
  // Line 0 is the header, written for the player and never read.
  for (size_t k = 1; k < lines.size(); ++k) {
    if (k > static_cast<size_t>(kAlarmCapacity)) {
      if (!lines[k].empty()) result.lines_ignored = true;
      continue;
    }
    const int data_line = static_cast<int>(k);
    try {
      if (auto ignored = ReadDataLine(lines[k], data_line, table.records[k])) {
        AddNotice(result.notice, IgnoredWarningNotice(path, data_line, *ignored));
      }
    } catch (const TavlinError& error) {
      throw AlarmListError(error.what(), path, data_line);
    }
    result.data_lines = data_line;
  }
  // Records left from an earlier, longer file would otherwise keep firing after a reload.
  for (int k = result.data_lines + 1; k <= kAlarmCapacity; ++k) table.records[k] = TtavlinAlarm{};
  if (result.lines_ignored) AddNotice(result.notice, IgnoredLinesNotice(path));
  return result;
}

bool SameAlarmLine(const TtavlinAlarm& a, const TtavlinAlarm& b) {
  return a.Kind == b.Kind && a.StartTime == b.StartTime && a.EndTime == b.EndTime &&
         a.RepeatDay == b.RepeatDay && a.Subject == b.Subject && a.Body == b.Body &&
         a.WarningMinutes == b.WarningMinutes;
}

void KeepAlarmStates(const AlarmTable& before, AlarmTable& after, bool keep_fired) {
  std::array<bool, kAlarmCapacity + 1> paired{};
  for (int k = 1; k <= kAlarmCapacity && after.records[k].Kind > 0; ++k) {
    TtavlinAlarm& alarm = after.records[k];
    for (int j = 1; j <= kAlarmCapacity && before.records[j].Kind > 0; ++j) {
      if (paired[j] || !SameAlarmLine(before.records[j], alarm)) continue;
      paired[j] = true;
      alarm.WarnedFor = before.records[j].WarnedFor;
      if (keep_fired) {
        alarm.State = before.records[j].State;
        alarm.FiredHourBegan = before.records[j].FiredHourBegan;
      }
      break;
    }
  }
}

AlarmLoadResult LoadAlarmList(const std::string& directory, const FileSystem& files,
                              AlarmTable& table) {
  const std::string path = AlarmFilePath(directory);
  AlarmLoadResult result;
  if (files.Exists(path)) {
    result = ReadAlarmFile(path, files, table);
    // A list the player has created since an earlier load found none works from now on.
    table.alarms_off = false;
  } else {
    table.alarms_off = true;
    // Absent, the list is an option the player did not take; a folder in its place is a mistake.
    if (files.IsFolder(path)) result.notice = FolderNotice(path);
  }
  ArmList(table);
  return result;
}

}  // namespace tavlin
