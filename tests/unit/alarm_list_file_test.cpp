#include "editor/alarm_list_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "clock/schedule.h"
#include "editor/alarm_form.h"
#include "test_support.h"

namespace tavlin {
namespace {

using fakes::MemoryFileSystem;
using Kind = SaveOutcome::Kind;

TEST(AlarmFormTest, TheFormsTextsBecomeFieldsOrNameTheirProblem) {
  const struct {
    FormTexts texts;
    AlarmFields fields;
    std::vector<AlarmField> problems;
  } cases[] = {
      {{1, "9:05", "23:59", 0, "보스", "북문 앞\r\n물약", "5"},
       {5, 905, 2359, 0, "보스", "북문 앞//물약", 5},
       {}},
      {{0, "09:05", "0:00", 6, "t", "a\nb\rc", ""}, {7, 905, 0, 6, "t", "a//b//c", 0}, {}},
      // "20:5" is no time here: the load would read it as 02:05.
      {{2, "20:5", "24:00", 0, "t", "m", "720"},
       {6, 0, 0, 0, "t", "m", 720},
       {AlarmField::kStart, AlarmField::kEnd}},
      {{0, "1:00 ", ":30", 0, "t", "m", "721"},
       {7, 0, 0, 0, "t", "m", 0},
       {AlarmField::kStart, AlarmField::kEnd, AlarmField::kWarning}},
      {{0, "1:00", "1:60", 0, "t", "m", "0"},
       {7, 100, 0, 0, "t", "m", 0},
       {AlarmField::kEnd, AlarmField::kWarning}},
      {{0, "1:00", "2:00", 0, "t", "m", " 5"},
       {7, 100, 200, 0, "t", "m", 0},
       {AlarmField::kWarning}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.texts.start + " " + c.texts.end + " " + c.texts.warning);
    const FormReading reading = ReadForm(c.texts);
    EXPECT_EQ(reading.fields, c.fields);
    std::vector<AlarmField> fields;
    for (const FieldProblem& problem : reading.problems) fields.push_back(problem.field);
    EXPECT_EQ(fields, c.problems);
    if (c.problems.empty()) {
      EXPECT_EQ(ReadForm(FormOf(reading.fields)).fields, c.fields);
    }
  }
}

TEST(AlarmFormTest, RowsShowTheLineAsTheLoadReadsIt) {
  BuildSchedule();
  const AlarmListEdit list = AlarmListEdit::Load(
      "h\r\n1|5|23:00|23:30|0|보스|북문|5\r\n2|7|1:00|2:00|3|t\r\n\r\n3|7|8:00|8:00|0|쉼|m\r\n");
  const LocalMoment now{2026, 12, 9, 3, 22, 0, 0};
  const struct {
    AlarmRow::Look look;
    std::string kind, day, title, warning, next_due;
  } rows[] = {
      {AlarmRow::Look::kOn, "게임 시각 · 주황", "매일", "보스", "5분",
       NextDueText(list.lines()[0].fields, now)},
      {AlarmRow::Look::kRefused, "", "", "2|7|1:00|2:00|3|t", "", "List index out of bounds (6)"},
      {AlarmRow::Look::kEmpty, "", "", kEmptyLineRow, "", ""},
      {AlarmRow::Look::kOff, "실제 시각 · 초록", "매일", "쉼", "", kSwitchedOff},
  };
  ASSERT_EQ(list.lines().size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const AlarmRow row = RowOf(list.lines()[i], now);
    EXPECT_EQ(row.look, rows[i].look);
    EXPECT_EQ(row.kind_words, rows[i].kind);
    EXPECT_EQ(row.day, rows[i].day);
    EXPECT_EQ(row.title, rows[i].title);
    EXPECT_EQ(row.warning, rows[i].warning);
    EXPECT_EQ(row.next_due, rows[i].next_due);
  }
  EXPECT_EQ(RowOf(list.lines()[0], now).times, "23:00 ~ 23:30");
  EXPECT_NE(RowOf(list.lines()[0], now).next_due.find("(게임 23:00)"), std::string::npos);
}

TEST(AlarmListFileTest, ASaveWritesOnlyOverTheFileItLoaded) {
  const std::string path = "dir/tavlin.gogo";
  const std::string bytes = "h\r\n1|7|1:00|2:00|0|t|m\r\n";
  const auto no_wait = [](int) {};
  const struct {
    const char* what;
    std::function<void(MemoryFileSystem&)> before_open, before_save;
    Kind kind;
    std::string message;
    std::optional<std::string> file_after;  // nothing: no file
  } cases[] = {
      {"saved", [&](auto& fs) { fs.files[path] = bytes; }, [](auto&) {}, Kind::kSaved,
       kSavedMessage, bytes + "2|7|0:00|0:10|0|new|m\r\n"},
      {"no list yet", [](auto&) {}, [](auto&) {}, Kind::kSaved, kSavedMessage,
       "\xEF\xBB\xBF번호|종류|시작|끝|요일|제목|내용|미리\r\n1|7|0:00|0:10|0|new|m\r\n"},
      {"changed meanwhile", [&](auto& fs) { fs.files[path] = bytes; },
       [&](auto& fs) { fs.files[path] = bytes + "\r\n"; }, Kind::kChangedMeanwhile,
       kChangedMeanwhileMessage, bytes + "\r\n"},
      {"created meanwhile", [](auto&) {}, [&](auto& fs) { fs.files[path] = bytes; },
       Kind::kChangedMeanwhile, kChangedMeanwhileMessage, bytes},
      {"deleted meanwhile", [&](auto& fs) { fs.files[path] = bytes; },
       [&](auto& fs) { fs.files.erase(path); }, Kind::kChangedMeanwhile, kChangedMeanwhileMessage,
       std::nullopt},
      {"read-only", [&](auto& fs) { fs.files[path] = bytes; },
       [&](auto& fs) { fs.read_only.insert(path); }, Kind::kFailed,
       std::string(kNotSavedMessage) + "Access is denied", bytes},
      {"held while read", [&](auto& fs) { fs.files[path] = bytes; },
       [&](auto& fs) { fs.unreadable[path] = "in use"; }, Kind::kFailed,
       std::string(kNotReadMessage) + "in use", bytes},
      {"a folder", [](auto&) {}, [&](auto& fs) { fs.folders.insert(path); }, Kind::kFailed,
       kFolderMessage, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryFileSystem files;
    c.before_open(files);
    OpenedList opened = OpenAlarmList(files, path);
    EXPECT_TRUE(opened.problem.empty());
    ASSERT_TRUE(opened.edit.Add({7, 0, 10, 0, "new", "m", 0}).empty());
    c.before_save(files);
    const SaveOutcome outcome = SaveAlarmList(files, path, opened, no_wait);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.message, c.message);
    const auto file = files.files.find(path);
    EXPECT_EQ(file == files.files.end() ? std::nullopt : std::optional(file->second), c.file_after);
  }
  // A list that could not be read is never written over, even once it can be read again.
  MemoryFileSystem files;
  files.files[path] = bytes;
  files.unreadable[path] = "in use";
  const OpenedList opened = OpenAlarmList(files, path);
  EXPECT_EQ(opened.problem, std::string(kNotReadMessage) + "in use");
  files.unreadable.clear();
  EXPECT_EQ(SaveAlarmList(files, path, opened, no_wait).kind, Kind::kChangedMeanwhile);
  EXPECT_EQ(files.files[path], bytes);
}

}  // namespace
}  // namespace tavlin
