// editor/ holds the alarm editor: an editing model of the list's lines, and the window on it.
// The alarm list as the editor changes it. tavlin.gogo stays the player's own file: every line
// the editor did not change is written back byte for byte, in the file's own encoding and with
// its own line ends, and each line is read by the very code that loads the list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alarms/alarm_list.h"
#include "base/text_decode.h"

namespace tavlin {

/// The heading line of a list the editor creates.
inline constexpr char kAlarmListHeading[] = "번호|종류|시작|끝|요일|제목|내용|미리";

/// What the form shows next to a field whose value the list cannot take.
inline constexpr char kUnknownKindMessage[] = "종류는 5, 6, 7 가운데 하나입니다";
inline constexpr char kTimeRangeMessage[] = "0:00부터 23:59까지의 시각을 쓰세요";
inline constexpr char kDayRangeMessage[] = "요일은 0(매일) 또는 1(월)부터 7(일)까지입니다";
inline constexpr char kDayKindMessage[] = "요일은 실제 시각 알림(종류 7)에만 쓸 수 있습니다";
inline constexpr char kTitleEmptyMessage[] = "제목을 쓰세요";
inline constexpr char kBodyEmptyMessage[] = "내용을 쓰세요";
inline constexpr char kBarMessage[] = "'|'는 쓸 수 없습니다";
inline constexpr char kLineBreakMessage[] = "줄을 바꾸려면 //를 쓰세요";
inline constexpr char kWarningRangeMessage[] = "미리 알림은 1부터 720까지의 분이거나 비워 둡니다";
inline constexpr char kListFullMessage[] = "알림은 100개까지 쓸 수 있습니다";
inline constexpr char kNotAnAlarmMessage[] = "알림 줄이 아닙니다";
inline constexpr char kOneLineMessage[] = "한 줄에는 줄바꿈을 쓸 수 없습니다";
/// Followed by the characters, each once, separated by blanks.
inline constexpr char kNotInCp949Message[] = "ANSI(949) 목록에 쓸 수 없는 글자: ";

/// The fields of the form, and the whole list for kList.
enum class AlarmField { kKind, kStart, kEnd, kDay, kTitle, kBody, kWarning, kList };

struct FieldProblem {
  AlarmField field;
  std::string message;
  bool operator==(const FieldProblem&) const = default;
};

/// One alarm as the form edits it.
struct AlarmFields {
  int32_t kind = kRealTimeAlarm;
  int32_t start = 0;  ///< HHMM value
  int32_t end = 0;    ///< HHMM value
  int32_t repeat_day = 0;
  std::string title;
  std::string body;
  int32_t warning_minutes = 0;  ///< 0: no early warning
  bool operator==(const AlarmFields&) const = default;
};

/// "h:mm" of an HHMM value, the minutes in two digits (905 -> "9:05").
std::string ClockText(int32_t hhmm);

/// One line of the list after the heading.
struct EditLine {
  enum class Kind {
    kAlarm,    ///< an alarm the load reads
    kEmpty,    ///< an empty line: it ends the alarms that fire
    kRefused,  ///< a line that makes the load fail; `error` is the load's message
    kUnread,   ///< past the 100th data line, which the load never reads
  };
  Kind kind = Kind::kAlarm;
  std::string text;    ///< the line as UTF-8, without its line end
  AlarmFields fields;  ///< kAlarm: as the load reads them
  std::string error;   ///< kRefused
  bool on = false;     ///< kAlarm before the first empty line: it fires
  // Storage: the line's bytes as loaded (none once rewritten) and the bytes of its line end.
  std::optional<std::string> bytes;
  std::string end;
};

class AlarmListEdit {
 public:
  /// The list as it is in `bytes`, the whole file.
  static AlarmListEdit Load(std::string bytes);
  /// A list for a player who has none: UTF-8 with a BOM, CR LF, the heading line alone.
  static AlarmListEdit New();

  /// The data lines (0 is the line after the heading).
  const std::vector<EditLine>& lines() const { return lines_; }
  TextEncoding encoding() const { return encoding_; }
  /// The file as loaded, to be compared with a fresh read before the file is replaced, so that
  /// nothing the player saved meanwhile is overwritten.
  const std::string& loaded_bytes() const { return loaded_; }
  /// The file to write: unchanged lines as they were loaded.
  std::string Bytes() const;

  /// What keeps `fields` out of this list; nothing when they can be written.
  std::vector<FieldProblem> Check(const AlarmFields& fields) const;
  /// Adds an alarm after the last one that fires (before the first empty line), so that it fires,
  /// numbered one past the highest number in the file. Nothing changes when there is a problem.
  std::vector<FieldProblem> Add(const AlarmFields& fields);
  /// Rewrites line `index` (an alarm or a refused line) from `fields`, keeping its number field.
  std::vector<FieldProblem> Change(size_t index, const AlarmFields& fields);
  /// Rewrites line `index` (a refused line, or an alarm) as the player typed it; the load's code
  /// reads it again, so that a refused line may become an alarm or stay refused with the load's
  /// new message. Nothing changes for an empty or unread line, a line break, or characters the
  /// file cannot hold.
  std::vector<FieldProblem> ChangeText(size_t index, const std::string& text);
  bool Delete(size_t index);
  /// Swaps line `index` with the one above or below; across the first empty line an alarm
  /// switches off or on. False when there is no such line or a line would pass the 100th.
  bool MoveUp(size_t index);
  bool MoveDown(size_t index);
  /// Writes the whole list as UTF-8 with a BOM from now on, every line's text kept: the way out
  /// for a code page 949 list that is to hold characters code page 949 has not.
  void SwitchToUtf8();

 private:
  // Reads every line again with the load's code: kinds, fields, errors, on and off.
  void Refresh();
  // A line end ("\r", "\n" or "\r\n") in the file's encoding.
  std::string LineEnd(std::string_view end) const;
  // Index after the last non-empty line.
  size_t UsedLines() const;
  std::string LineText(const std::string& number, const AlarmFields& fields) const;
  void Rewrite(EditLine& line, std::string text);

  TextEncoding encoding_ = TextEncoding::kUtf8;
  std::string loaded_;
  std::string prefix_;  // the byte-order mark, as loaded
  std::optional<EditLine> heading_;
  std::vector<EditLine> lines_;
  std::string tail_;      // from the first NUL character on, which the load never reads
  std::string line_end_;  // for new lines: the first line's, in the file's encoding
};

}  // namespace tavlin
