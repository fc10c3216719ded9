#include "alarms/alarm_list.h"

#include <gtest/gtest.h>

#include "alarms/alarm_load_reporter.h"
#include "base/text_decode.h"
#include "test_support.h"

namespace tavlin {

namespace {

using fakes::MemoryFileSystem;

constexpr char kGameDirectory[] = "C:\\게임\\tavlin\\";
constexpr char kPath[] = "C:\\게임\\tavlin\\tavlin.gogo";
constexpr char kHeader[] = "번호|종류|시작|끝|요일|제목|내용";

class AlarmListTest : public ::testing::Test {
 protected:
  AlarmLoadResult Load(const std::string& bytes) {
    files.files[kPath] = bytes;
    return LoadAlarmList(kGameDirectory, files, table);
  }
  // The failure of a load that must fail; "" when it did not.
  std::string FailureOf(const std::string& bytes, int* data_line = nullptr) {
    try {
      Load(bytes);
    } catch (const AlarmListError& error) {
      EXPECT_EQ(error.path(), kPath);
      if (data_line) *data_line = error.data_line();
      return error.what();
    }
    return "";
  }
  const TtavlinAlarm& Record(int k) const { return table.records[k]; }

  MemoryFileSystem files;
  AlarmTable table;
};

TtavlinAlarm Alarm(int line, int kind, int start, int end, int day, std::string subject,
                   std::string body, int state = kAlarmArmed, int warning = 0) {
  return {line, kind, start, end, day, std::move(subject), std::move(body), state, warning};
}

TEST_F(AlarmListTest, ReadsTheFieldsOfADataLine) {
  // An eighth field is a warning of 1 to 720 minutes; any other text there (the rest of a message
  // cut at a "|", once ignored) keeps the line loading without one, and the notice names it.
  const struct {
    const char* line;
    TtavlinAlarm record;
    const char* ignored = nullptr;
  } cases[] = {
      {"1|7|20:00|20:30|0|저녁|길드 모임", Alarm(1, 7, 2000, 2030, 0, "저녁", "길드 모임")},
      {"4|5|23:00|23:30|0|보스|북문|5", Alarm(1, 5, 2300, 2330, 0, "보스", "북문", 77, 5)},
      {"1|7|20:00|20:30|0|t|m| 720|later", Alarm(1, 7, 2000, 2030, 0, "t", "m", 77, 720)},
      {"1|7|20:00|20:30|0|t|m|721", Alarm(1, 7, 2000, 2030, 0, "t", "m"), "721"},
      {"x|5|9:05|20:5|0|a|b", Alarm(1, 5, 905, 205, 0, "a", "b")},
      {"|6| 1:00|  2:00| 3|t|m", Alarm(1, 6, 100, 200, 3, "t", "m")},
      {"1|$7|0x10|X1f|-1|t|m", Alarm(1, 7, 16, 31, -1, "t", "m")},
      {"1|+7|2000|20:30:00|7|t|m|more|fields", Alarm(1, 7, 2000, 203000, 7, "t", "m"), "more"},
      {"1|7|20:00|20:30|0|t||", Alarm(1, 7, 2000, 2030, 0, "t", ""), ""},
      {"1|7|20:00|20:30|0|t|앞|뒤", Alarm(1, 7, 2000, 2030, 0, "t", "앞"), "뒤"},
      {"1|7|20:00|20:30|0| 제 목 |a//b ", Alarm(1, 7, 2000, 2030, 0, " 제 목 ", "a//b ")},
      {"1|-4|0|0|0|||", Alarm(1, -4, 0, 0, 0, "", ""), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const AlarmLoadResult result = Load(std::string(kHeader) + "\r\n" + c.line + "\r\n");
    EXPECT_TRUE(result.file_found);
    EXPECT_EQ(result.data_lines, 1);
    EXPECT_EQ(Record(1), c.record);
    const std::string named = "1번째 알림 줄 (파일의 2번째 줄): 8번째 칸 \"" +
                              std::string(c.ignored ? c.ignored : "") + "\"";
    EXPECT_EQ(result.notice.find(named) != std::string::npos, c.ignored != nullptr)
        << result.notice;
  }
  // A 1 MB message is read whole.
  const std::string long_body(1 << 20, 'x');
  Load(std::string(kHeader) + "\r\n1|7|20:00|20:30|0|t|" + long_body + "\r\n");
  EXPECT_EQ(Record(1).Body, long_body);
  // Code page 949 bytes are read as Korean text.
  Load("header\r\n1|7|20:00|20:30|0|\xBE\xCB\xB8\xB2|\xB0\xA1//\xB3\xAA\r\n");
  EXPECT_EQ(Record(1).Subject, "알림");
  EXPECT_EQ(Record(1).Body, "가//나");
  // So is UTF-16 with its byte-order mark, LE ("유니코드" in Notepad) and BE.
  for (const auto& [bom, encoding] : {std::pair{"\xFF\xFE", TextEncoding::kUtf16Le},
                                      std::pair{"\xFE\xFF", TextEncoding::kUtf16Be}}) {
    const AlarmLoadResult result =
        Load(bom + *EncodeAs("header\r\n1|7|20:00|20:30|0|알림|가//나\r\n", encoding));
    EXPECT_EQ(result.data_lines, 1);
    EXPECT_EQ(result.notice, "");
    EXPECT_EQ(Record(1), Alarm(1, 7, 2000, 2030, 0, "알림", "가//나"));
  }
  // Bytes no encoding holds load as U+FFFD, and the player is told.
  const AlarmLoadResult broken = Load("header\r\n1|7|20:00|20:30|0|\xBE\xCB\xFF|m\r\n");
  EXPECT_EQ(Record(1).Subject, "알\xEF\xBF\xBD");
  EXPECT_EQ(broken.notice,
            "알림 목록 \"C:\\게임\\tavlin\\tavlin.gogo\"에 ANSI(949), UTF-8, 유니코드(UTF-16) 어느 "
            "것으로도 읽을 수 없는 바이트가 있어 그 글자는 \"\xEF\xBF\xBD\"로 읽었습니다. 한 가지 "
            "인코딩으로 다시 저장하세요.");
}

TEST_F(AlarmListTest, MalformedLinesFailWithTheirMessage) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"   ", "List index out of bounds (1)"},
      {"1", "List index out of bounds (1)"},
      {"1|7|20:00", "List index out of bounds (3)"},
      {"1|7|20:00|20:30|0", "List index out of bounds (5)"},
      {"1|7|20:00|20:30|0|t", "List index out of bounds (6)"},
      {"1|7|20:00|20:30|0|t|", "List index out of bounds (6)"},
      {"1|7 |20:00|20:30|0|t|m", "'7 ' is not a valid integer value"},
      {"1||20:00|20:30|0|t|m", "'' is not a valid integer value"},
      {"1|7|20:00 |20:30|0|t|m", "'2000 ' is not a valid integer value"},
      {"1|7|20:00|2O:3O|0|t|m", "'2O3O' is not a valid integer value"},
      {"1|7|20:00|20:30|월|t|m", "'월' is not a valid integer value"},
      {"1|7|20:00|20:30|2147483648|t|m", "'2147483648' is not a valid integer value"},
      {"1|7|20:00|20:30|0x|t|m", "'0x' is not a valid integer value"},
      {"1|7.0|20:00|20:30|0|t|m", "'7.0' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    int data_line = 0;
    const std::string good = "1|7|20:00|20:30|0|t|m\n";
    EXPECT_EQ(FailureOf(std::string(kHeader) + "\n" + good + good + c.line + "\n", &data_line),
              c.message);
    EXPECT_EQ(data_line, 3);
  }
  // Signed 32-bit range limits are integer text.
  Load("h\n1|2147483647|-2147483648|$7FFFFFFF|0|t|m\n");
  EXPECT_EQ(Record(1), Alarm(1, INT32_MAX, INT32_MIN, INT32_MAX, 0, "t", "m"));
}

TEST_F(AlarmListTest, FailedLoadKeepsWhatWasReadAndArmsNothing) {
  Load("h\n1|7|10:00|11:00|0|a|1\n2|7|12:00|13:00|0|b|2\n3|5|14:00|15:00|0|c|3\n4|6|1|2|0|d|4\n");
  table.records[1].State = 10;
  table.records[4].State = 14;
  const AlarmTable before = table;

  int data_line = 0;
  EXPECT_EQ(
      FailureOf("h\n1|5|1:00|2:00|0|A|one\n2|7|21:00|xx|0|B|two\n3|7|1|2|0|C|3\n", &data_line),
      "'xx' is not a valid integer value");
  EXPECT_EQ(data_line, 2);
  EXPECT_EQ(Record(1), Alarm(1, 5, 100, 200, 0, "A", "one", 10));  // not re-armed
  EXPECT_EQ(Record(2), Alarm(2, 7, 2100, 1300, 0, "b", "2"));      // kind and start stored
  EXPECT_EQ(Record(3), before.records[3]);
  EXPECT_EQ(Record(4), before.records[4]);
  EXPECT_FALSE(table.alarms_off);

  // A file that exists but cannot be opened changes nothing at all.
  files.files.erase(kPath);
  files.unreadable[kPath] = "Access is denied";
  const AlarmTable after_failure = table;
  try {
    LoadAlarmList(kGameDirectory, files, table);
    ADD_FAILURE() << "an unreadable list loaded";
  } catch (const AlarmListError& error) {
    EXPECT_STREQ(error.what(),
                 "Cannot open file \"C:\\게임\\tavlin\\tavlin.gogo\". Access is denied");
    EXPECT_EQ(error.data_line(), 0);
  }
  EXPECT_EQ(table.records, after_failure.records);
}

TEST_F(AlarmListTest, LinesHeaderAndEmptyLines) {
  const std::string a = "1|7|10:00|11:00|0|a|A";
  const std::string b = "2|5|12:00|13:00|0|b|B";
  const std::string c = "3|6|14:00|15:00|0|c|C";
  // Every mix of line ends gives the same three records and no empty one.
  for (const std::string& text :
       {"h\r\n" + a + "\r\n" + b + "\r\n" + c + "\r\n", "h\n" + a + "\r" + b + "\r\n" + c,
        "h\r" + a + "\r" + b + "\n" + c + "\n"}) {
    SCOPED_TRACE(text);
    table = {};
    EXPECT_EQ(Load(text).data_lines, 3);
    EXPECT_EQ(Record(3).Subject, "c");
    EXPECT_EQ(Record(4), Alarm(0, 0, 0, 0, 0, "", ""));  // emptied, ends the list
  }

  // The header is never read, even when it is a well-formed alarm or garbage.
  table = {};
  EXPECT_EQ(Load(a + "\n" + b + "\n").data_lines, 1);
  EXPECT_EQ(Record(1).Subject, "b");
  EXPECT_EQ(Load("||||| not an alarm |\n" + b).data_lines, 1);

  // An empty file or a header alone gives an empty list.
  for (const char* text : {"", "h", "h\r\n", "\xEF\xBB\xBF"}) {
    SCOPED_TRACE(text);
    table = {};
    EXPECT_EQ(Load(text).data_lines, 0);
    EXPECT_EQ(Record(1).Kind, 0);
    EXPECT_FALSE(table.alarms_off);
  }

  // An empty line gives an empty record that ends the list: lines after it are read, not armed.
  table = {};
  EXPECT_EQ(Load("h\n" + a + "\n\n" + c + "\n").data_lines, 3);
  EXPECT_EQ(Record(1).State, kAlarmArmed);
  EXPECT_EQ(Record(2), Alarm(2, 0, 0, 0, 0, "", ""));
  EXPECT_EQ(Record(3), Alarm(3, 6, 1400, 1500, 0, "c", "C", 0));

  // "\n\r" is two line ends, so the second line is empty.
  table = {};
  EXPECT_EQ(Load("h\n" + a + "\n\r" + c).data_lines, 3);
  EXPECT_EQ(Record(2).Kind, 0);
}

TEST_F(AlarmListTest, AbsentListSwitchesAlarmsOffUntilItIsFound) {
  Load("h\n1|7|10:00|11:00|0|a|A\n");
  files.files.clear();
  const AlarmLoadResult absent = LoadAlarmList(kGameDirectory, files, table);
  EXPECT_FALSE(absent.file_found);
  EXPECT_TRUE(table.alarms_off);
  EXPECT_EQ(Record(1).Subject, "a");

  // The list is looked for in the program's folder only.
  files.files["tavlin.gogo"] = "h\n1|7|10:00|11:00|0|b|B\n";
  files.files["./tavlin.gogo"] = files.files["tavlin.gogo"];
  LoadAlarmList(kGameDirectory, files, table);
  EXPECT_TRUE(table.alarms_off);

  EXPECT_TRUE(Load("h\n1|7|10:00|11:00|0|c|C\n").file_found);
  EXPECT_FALSE(table.alarms_off);
  EXPECT_EQ(Record(1).Subject, "c");
  EXPECT_EQ(Record(1).State, kAlarmArmed);

  // A folder in the list's place switches the alarms off too, and the player is told.
  files.files.clear();
  files.folders.insert(kPath);
  const AlarmLoadResult folder = LoadAlarmList(kGameDirectory, files, table);
  EXPECT_FALSE(folder.file_found);
  EXPECT_TRUE(table.alarms_off);
  EXPECT_NE(folder.notice.find(std::string(kPath) + "\"이(가) 파일이 아니라 폴더"),
            std::string::npos)
      << folder.notice;
  EXPECT_TRUE(absent.notice.empty());
}

TEST_F(AlarmListTest, ReloadEndsTheListAtItsLastLineAndStoresAtMostAHundred) {
  std::string text = "h\n";
  for (int k = 1; k <= 10000; ++k)
    text += std::to_string(k) + "|7|10:00|11:00|0|s" + std::to_string(k) + "|m\n";
  text += "10001|not read at all\n";
  const AlarmLoadResult full = Load(text);
  EXPECT_EQ(full.data_lines, 100);
  EXPECT_TRUE(full.lines_ignored);
  EXPECT_NE(full.notice.find(kPath), std::string::npos) << full.notice;
  EXPECT_EQ(Record(100).Subject, "s100");

  const AlarmLoadResult shorter = Load("h\n1|7|10:00|11:00|0|a|A\n2|5|1:00|2:00|0|b|B\n");
  EXPECT_EQ(shorter.data_lines, 2);
  EXPECT_TRUE(shorter.notice.empty());
  EXPECT_EQ(Record(3), Alarm(0, 0, 0, 0, 0, "", ""));  // ends the list, armed
  EXPECT_EQ(Record(4), TtavlinAlarm{});
  EXPECT_EQ(Record(100), TtavlinAlarm{});

  // Blank lines after the hundredth are nothing to tell the player about.
  std::string hundred = "h\n";
  for (int k = 1; k <= 100; ++k) hundred += "1|7|10:00|11:00|0|t|m\n";
  const AlarmLoadResult exact = Load(hundred + "\n\n");
  EXPECT_EQ(exact.data_lines, 100);
  EXPECT_FALSE(exact.lines_ignored);
  EXPECT_TRUE(exact.notice.empty());
}

TEST(AlarmListExampleTest, TheSampleListLoadsFromDisk) {
  RealFileSystem disk;
  // The disk tells a file from a folder, and a file's stamp carries its size.
  EXPECT_TRUE(disk.IsFolder(TAVLIN_SOURCE_DIR "/examples"));
  EXPECT_FALSE(disk.Exists(TAVLIN_SOURCE_DIR "/examples"));
  EXPECT_FALSE(disk.IsFolder(TAVLIN_SOURCE_DIR "/examples/tavlin.gogo"));
  std::string bytes, reason;
  ASSERT_TRUE(disk.ReadAll(TAVLIN_SOURCE_DIR "/examples/tavlin.gogo", &bytes, &reason)) << reason;
  const std::optional<FileStamp> stamp = disk.Stamp(TAVLIN_SOURCE_DIR "/examples/tavlin.gogo");
  ASSERT_TRUE(stamp.has_value());
  EXPECT_EQ(stamp->size, bytes.size());
  // The quiz file's text is kept while tavlin runs: a small file is not held in a large buffer.
  EXPECT_LT(bytes.capacity(), 4096u);
  EXPECT_FALSE(disk.Stamp(TAVLIN_SOURCE_DIR "/examples/no-such-file").has_value());

  AlarmTable table;
  const AlarmLoadResult result = LoadAlarmList(TAVLIN_SOURCE_DIR "/examples/", disk, table);
  ASSERT_TRUE(result.file_found);
  EXPECT_EQ(result.data_lines, 4);
  EXPECT_EQ(result.notice, "");
  EXPECT_EQ(table.records[1], Alarm(1, 7, 2000, 2030, 0, "길드 모임",
                                    "광장 분수대 앞//8시 반까지 모이기", kAlarmArmed, 10));
  EXPECT_EQ(table.records[2], Alarm(2, 5, 600, 659, 0, "게임 아침", "약초 캐러 가기"));
  EXPECT_EQ(table.records[3].RepeatDay, 6);
  EXPECT_EQ(table.records[4].WarningMinutes, 5);
  EXPECT_EQ(table.records[5].Kind, 0);
}

TEST(AlarmLoadReporterTest, ShowsEachFailureOnceUntilALoadSucceeds) {
  AlarmLoadReporter reporter;
  const AlarmListError bad_time("'2O00' is not a valid integer value", "C:\\t\\tavlin.gogo", 3);
  const AlarmListError short_line("List index out of bounds (6)", "C:\\t\\tavlin.gogo", 3);
  const AlarmListError moved_line("'2O00' is not a valid integer value", "C:\\t\\tavlin.gogo", 4);
  const AlarmListError locked("Cannot open file \"C:\\t\\tavlin.gogo\". in use",
                              "C:\\t\\tavlin.gogo", 0);
  const FileStamp steady{40, 7};
  // A fault is told only when the load after it fails the same way on the same file.
  const auto twice = [&](const AlarmListError& error) {
    reporter.Failed(error, steady);
    return reporter.Failed(error, steady);
  };

  EXPECT_FALSE(reporter.Failed(bad_time, steady).has_value());
  const auto first = reporter.Failed(bad_time, steady);
  ASSERT_TRUE(first.has_value());
  for (const char* part : {"C:\\t\\tavlin.gogo", "3번째 알림 줄", "파일의 4번째 줄",
                           "'2O00' is not a valid integer value"}) {
    EXPECT_NE(first->find(part), std::string::npos) << part << " in " << *first;
  }
  EXPECT_FALSE(reporter.Failed(bad_time, steady).has_value());
  EXPECT_FALSE(reporter.Failed(bad_time, steady).has_value());
  EXPECT_TRUE(twice(short_line).has_value());
  EXPECT_TRUE(twice(bad_time).has_value());
  EXPECT_TRUE(twice(moved_line).has_value());
  const auto cannot_open = twice(locked);
  ASSERT_TRUE(cannot_open.has_value());
  EXPECT_EQ(cannot_open->find("번째 알림 줄"), std::string::npos);
  // A file that cannot be opened tells the player what to do; a faulty line does not need to.
  EXPECT_NE(cannot_open->find(kRetryHint), std::string::npos) << *cannot_open;
  EXPECT_EQ(first->find(kRetryHint), std::string::npos);
  EXPECT_FALSE(reporter.Failed(locked, steady).has_value());

  EXPECT_FALSE(reporter.Loaded(AlarmLoadResult{}).has_value());
  EXPECT_TRUE(twice(locked).has_value());  // the same fault, after a good load

  // A notice is told once while each save of the list brings the same one.
  AlarmLoadResult with_notice;
  with_notice.notice = "too long";
  EXPECT_EQ(reporter.Loaded(with_notice), "too long");
  EXPECT_FALSE(reporter.Loaded(with_notice).has_value());
  EXPECT_FALSE(reporter.Loaded(AlarmLoadResult{}).has_value());
  EXPECT_EQ(reporter.Loaded(with_notice), "too long");
}

}  // namespace
}  // namespace tavlin
