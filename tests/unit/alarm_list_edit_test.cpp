#include "editor/alarm_list_edit.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "clock/schedule.h"
#include "editor/next_due.h"

namespace tavlin {
namespace {

std::string Cp949(const std::string& text) {
  return Utf8ToCp949(text).value();
}

std::string Utf16(const std::string& text, TextEncoding encoding) {
  return (encoding == TextEncoding::kUtf16Le ? "\xFF\xFE" : "\xFE\xFF") +
         EncodeAs(text, encoding).value();
}

// One letter per line: A an alarm that fires, a one that does not, e empty, r refused, u unread.
std::string Kinds(const AlarmListEdit& list) {
  std::string kinds;
  for (const EditLine& line : list.lines()) {
    switch (line.kind) {
      case EditLine::Kind::kAlarm:
        kinds += line.on ? 'A' : 'a';
        break;
      case EditLine::Kind::kEmpty:
        kinds += 'e';
        break;
      case EditLine::Kind::kRefused:
        kinds += 'r';
        break;
      case EditLine::Kind::kUnread:
        kinds += 'u';
        break;
    }
  }
  return kinds;
}

const char kList[] =
    "번호|종류|시작|끝|요일|제목|내용|미리\r\n"
    " 07|7|20:00|20:30|0|길드 모임|광장//분수대|10|아홉째 칸\r\n"
    "|5| 6:00|6:59|0|게임 아침|약초\r\n"
    "\r\n"
    "3|6|23:00|23:30|0|쉬는 알림|나중에\r\n";

TEST(AlarmListEditTest, AnUnchangedListIsWrittenBackByteForByte) {
  std::string hundred = "h\n";
  for (int k = 1; k <= 104; ++k) hundred += std::to_string(k) + "|7|1:00|2:00|0|t|m\n";
  const std::string lf = ReplaceAll(kList, "\r\n", "\n"), cr = ReplaceAll(kList, "\r\n", "\r");
  const struct {
    std::string bytes;
    TextEncoding encoding;
    std::string kinds;
  } cases[] = {
      {Cp949(kList), TextEncoding::kCp949, "AAea"},
      {Cp949(lf + "4|7|1:00|2:00|0|끝줄|줄 끝 없음"), TextEncoding::kCp949, "AAeaa"},
      {kList, TextEncoding::kUtf8, "AAea"},
      {"\xEF\xBB\xBF" + cr, TextEncoding::kUtf8, "AAea"},
      {Utf16(kList, TextEncoding::kUtf16Le), TextEncoding::kUtf16Le, "AAea"},
      {Utf16(lf, TextEncoding::kUtf16Be), TextEncoding::kUtf16Be, "AAea"},
      {Utf16(cr, TextEncoding::kUtf16Le) + "\x41", TextEncoding::kUtf16Le, "AAea"},
      // A refused line and what stops the load's reading: a NUL, bytes no encoding holds.
      {"h\r\n1|7|20:00|20:30|0|t\r\n2|0|1:00|2:00|0|t|m\n3|7|1:00|2:00|0|t|m\r\n",
       TextEncoding::kUtf8, "raa"},
      {"h\n1|7|1:00|2:00|0|t|m\n" + std::string(1, '\0') + "\xFF\n2|x", TextEncoding::kUtf8, "A"},
      {"h\n1|7|1:00|2:00|0|\xB0\xA1\x80|m\n", TextEncoding::kCp949, "A"},
      {hundred, TextEncoding::kUtf8, std::string(100, 'A') + "uuuu"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.bytes));
    const AlarmListEdit list = AlarmListEdit::Load(c.bytes);
    EXPECT_EQ(list.encoding(), c.encoding);
    EXPECT_EQ(Kinds(list), c.kinds);
    EXPECT_EQ(list.Bytes(), c.bytes);
    EXPECT_EQ(list.loaded_bytes(), c.bytes);
  }
  // The refused line keeps the load's own message, the others read as the load reads them.
  const AlarmListEdit refused = AlarmListEdit::Load(cases[7].bytes);
  EXPECT_EQ(refused.lines()[0].error, "List index out of bounds (6)");
  const AlarmListEdit list = AlarmListEdit::Load(kList);
  EXPECT_EQ(list.lines()[0].fields,
            (AlarmFields{7, 2000, 2030, 0, "길드 모임", "광장//분수대", 10}));
  EXPECT_EQ(list.lines()[1].fields, (AlarmFields{5, 600, 659, 0, "게임 아침", "약초", 0}));
}

TEST(AlarmListEditTest, ChangedAndNewLinesHaveTheirExactText) {
  const AlarmFields changed{5, 905, 1000, 0, "새 제목", "본문//둘째 줄", 0};
  const AlarmFields added{7, 0, 2359, 6, "토요일", "레이드", 15};
  const std::string lines[] = {
      "번호|종류|시작|끝|요일|제목|내용|미리",
      " 07|7|20:00|20:30|0|길드 모임|광장//분수대|10|아홉째 칸",
      "|5| 6:00|6:59|0|게임 아침|약초",
      "",
      "3|6|23:00|23:30|0|쉬는 알림|나중에",
  };
  for (const char* end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(end)));
    std::string file;
    for (const std::string& line : lines) file += line + end;
    AlarmListEdit list = AlarmListEdit::Load(Cp949(file));
    EXPECT_TRUE(list.Change(0, changed).empty());
    EXPECT_TRUE(list.Add(added).empty());
    EXPECT_EQ(Kinds(list), "AAAea");
    const std::string expected = lines[0] + end + " 07|5|9:05|10:00|0|새 제목|본문//둘째 줄" + end +
                                 lines[2] + end + "8|7|0:00|23:59|6|토요일|레이드|15" + end + end +
                                 lines[4] + end;
    EXPECT_EQ(list.Bytes(), Cp949(expected));
    // Across the empty line an alarm switches off, and back on.
    EXPECT_TRUE(list.MoveDown(2));
    EXPECT_EQ(Kinds(list), "AAeaa");
    EXPECT_TRUE(list.MoveUp(3));
    EXPECT_EQ(list.Bytes(), Cp949(expected));
    EXPECT_TRUE(list.Delete(2));
    EXPECT_FALSE(list.MoveDown(3));
    EXPECT_EQ(
        list.Bytes(),
        Cp949(ReplaceAll(expected, "8|7|0:00|23:59|6|토요일|레이드|15" + std::string(end), "")));
  }

  // A last line without a line end: the new line goes after it and the file still ends so.
  AlarmListEdit unended = AlarmListEdit::Load("h\n5|7|1:00|2:00|0|t|m");
  EXPECT_TRUE(unended.Add(added).empty());
  EXPECT_EQ(unended.Bytes(), "h\n5|7|1:00|2:00|0|t|m\n6|7|0:00|23:59|6|토요일|레이드|15");
  // A player without a list gets one in UTF-8 with a BOM and CR LF.
  AlarmListEdit fresh = AlarmListEdit::New();
  EXPECT_EQ(fresh.Bytes(), "\xEF\xBB\xBF번호|종류|시작|끝|요일|제목|내용|미리\r\n");
  EXPECT_TRUE(fresh.Add(added).empty());
  EXPECT_EQ(fresh.Bytes(),
            "\xEF\xBB\xBF번호|종류|시작|끝|요일|제목|내용|미리\r\n"
            "1|7|0:00|23:59|6|토요일|레이드|15\r\n");
  // UTF-16 stays UTF-16.
  AlarmListEdit wide = AlarmListEdit::Load(Utf16("h\r\n", TextEncoding::kUtf16Be));
  EXPECT_TRUE(wide.Add(added).empty());
  EXPECT_EQ(wide.Bytes(),
            Utf16("h\r\n1|7|0:00|23:59|6|토요일|레이드|15\r\n", TextEncoding::kUtf16Be));
}

TEST(AlarmListEditTest, FieldsTheListCannotTakeAreNamed) {
  const AlarmFields good{7, 2000, 2030, 0, "길드", "모임", 0};
  const auto with = [&](auto change) {
    AlarmFields fields = good;
    change(fields);
    return fields;
  };
  const struct {
    AlarmFields fields;
    std::vector<FieldProblem> problems;
  } cases[] = {
      {good, {}},
      {with([](AlarmFields& f) { f.start = 2400; }), {{AlarmField::kStart, kTimeRangeMessage}}},
      {with([](AlarmFields& f) { f.end = 1960; }), {{AlarmField::kEnd, kTimeRangeMessage}}},
      {with([](AlarmFields& f) { f.kind = 4; }), {{AlarmField::kKind, kUnknownKindMessage}}},
      {with([](AlarmFields& f) { f.repeat_day = 8; }), {{AlarmField::kDay, kDayRangeMessage}}},
      {with([](AlarmFields& f) {
         f.kind = 5;
         f.repeat_day = 6;
       }),
       {{AlarmField::kDay, kDayKindMessage}}},
      {with([](AlarmFields& f) { f.title = ""; }), {{AlarmField::kTitle, kTitleEmptyMessage}}},
      {with([](AlarmFields& f) { f.title = "a|b"; }), {{AlarmField::kTitle, kBarMessage}}},
      {with([](AlarmFields& f) { f.body = "a|b"; }), {{AlarmField::kBody, kBarMessage}}},
      {with([](AlarmFields& f) { f.body = "a\r\nb"; }), {{AlarmField::kBody, kLineBreakMessage}}},
      {with([](AlarmFields& f) { f.warning_minutes = 721; }),
       {{AlarmField::kWarning, kWarningRangeMessage}}},
      {with([](AlarmFields& f) { f.warning_minutes = 720; }), {}},
      {with([](AlarmFields& f) { f.title = "커피 ☕ 😀 ☕"; }), {}},
  };
  AlarmListEdit utf8 = AlarmListEdit::Load("h\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields.title + " " + c.fields.body);
    EXPECT_EQ(utf8.Check(c.fields), c.problems);
  }

  // In a code page 949 list the characters it cannot hold are named and nothing is written;
  // switched to UTF-8, the list keeps every line's text and takes them.
  const std::string cp949 = Cp949("번호\r\n1|7|1:00|2:00|0|가|나\r\n");
  AlarmListEdit list = AlarmListEdit::Load(cp949);
  const AlarmFields odd = with([](AlarmFields& f) {
    f.title = "커피 ☕ 😀 ☕";
    f.body = "café";
  });
  EXPECT_EQ(list.Add(odd), (std::vector<FieldProblem>{
                               {AlarmField::kTitle, std::string(kNotInCp949Message) + "☕ 😀"},
                               {AlarmField::kBody, std::string(kNotInCp949Message) + "é"}}));
  EXPECT_EQ(list.Bytes(), cp949);
  list.SwitchToUtf8();
  EXPECT_TRUE(list.Add(odd).empty());
  EXPECT_EQ(list.Bytes(),
            "\xEF\xBB\xBF번호\r\n1|7|1:00|2:00|0|가|나\r\n2|7|20:00|20:30|0|커피 ☕ 😀 ☕|café\r\n");

  // At most 100 data lines: the load reads no more.
  std::string full = "h\n";
  for (int k = 1; k <= 100; ++k) full += "1|7|1:00|2:00|0|t|m\n";
  AlarmListEdit hundred = AlarmListEdit::Load(full + "\n\n");
  EXPECT_EQ(hundred.Add(good), (std::vector<FieldProblem>{{AlarmField::kList, kListFullMessage}}));
  EXPECT_TRUE(hundred.Delete(99));
  EXPECT_TRUE(hundred.Add(good).empty());
}

TEST(AlarmListEditTest, NextDueIsADateAndTimeOrWhyNot) {
  BuildSchedule();
  const LocalMoment wednesday{2026, 12, 9, 3, 19, 0, 0};
  const LocalMoment new_year_eve{2026, 12, 31, 4, 23, 30, 0};
  const struct {
    AlarmFields fields;
    LocalMoment now;
    std::string text;
  } cases[] = {
      {{7, 2000, 2030, 0, "t", "m", 0}, wednesday, "12-09 20:00"},
      {{7, 1900, 2030, 0, "t", "m", 0}, wednesday, "12-10 19:00"},
      {{7, 2000, 2030, 6, "t", "m", 0}, wednesday, "12-12 20:00"},
      {{7, 2300, 100, 0, "t", "m", 0}, wednesday, "12-09 23:01"},  // across midnight
      {{7, 10, 20, 0, "t", "m", 0}, new_year_eve, "01-01 00:10"},
      {{5, 2300, 2330, 2, "t", "m", 0}, wednesday, kGameDayNeverDue},
      {{4, 2300, 2330, 0, "t", "m", 0}, wednesday, kKindNeverDue},
      {{7, 0, 2359, 0, "t", "m", 0}, wednesday, kAlwaysOpen},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NextDueText(c.fields, c.now), c.text);
  }
  // A game-clock alarm falls due within the four real hours of a game day, at its game time.
  const std::string game = NextDueText({6, 2300, 2330, 0, "t", "m", 0}, wednesday);
  ASSERT_EQ(game.size(), std::string("12-09 22:35 (게임 23:00)").size()) << game;
  EXPECT_EQ(game.substr(11), " (게임 23:00)");
  const int hour = std::stoi(game.substr(6, 2));
  EXPECT_TRUE(game.substr(0, 6) == "12-09 " && hour >= 19 && hour <= 23) << game;
}

}  // namespace
}  // namespace tavlin
