#include "editor/alarm_list_edit.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "clock/schedule.h"
#include "editor/next_due.h"

namespace tavlin {
namespace {

using Enc = TextEncoding;
using Problems = std::vector<FieldProblem>;

std::string Cp949(const std::string& text) {
  return Utf8ToCp949(text).value();
}

std::string Utf16(const std::string& text, Enc encoding) {
  return (encoding == Enc::kUtf16Le ? "\xFF\xFE" : "\xFE\xFF") + EncodeAs(text, encoding).value();
}

// A letter a line: A an alarm that fires, a one that does not, e empty, r refused, u unread.
std::string Kinds(const AlarmListEdit& list) {
  std::string kinds;
  for (const EditLine& line : list.lines())
    kinds += line.kind == EditLine::Kind::kAlarm ? (line.on ? 'A' : 'a')
                                                 : "-eru"[static_cast<int>(line.kind)];
  return kinds;
}

const std::string kLines[] = {"번호|종류|시작|끝|요일|제목|내용|미리",
                              " 07|7|20:00|20:30|0|길드 모임|광장//분수대|10|아홉째 칸",
                              "|5| 6:00|6:59|0|게임 아침|약초", "",
                              "3|6|23:00|23:30|0|쉬는 알림|나중에"};
std::string List(const std::string& end) {
  std::string file;
  for (const std::string& line : kLines) file += line + end;
  return file;
}
const AlarmFields kAdded{7, 0, 2359, 6, "토요일", "레이드", 15};
const std::string kAddedLine = "|7|0:00|23:59|6|토요일|레이드|15";

TEST(AlarmListEditTest, AnUnchangedListIsWrittenBackByteForByte) {
  std::string hundred = "h\n";
  for (int k = 1; k <= 104; ++k) hundred += "1|7|1:00|2:00|0|t|m\n";
  const struct {
    std::string bytes;
    Enc encoding;
    std::string kinds;
  } cases[] = {
      {Cp949(List("\r\n")), Enc::kCp949, "AAea"},
      {Cp949(List("\n") + "4|7|1:00|2:00|0|끝|줄 끝 없음"), Enc::kCp949, "AAeaa"},
      {List("\r\n"), Enc::kUtf8, "AAea"},
      {"\xEF\xBB\xBF" + List("\r"), Enc::kUtf8, "AAea"},
      {Utf16(List("\r\n"), Enc::kUtf16Le), Enc::kUtf16Le, "AAea"},
      {Utf16(List("\n"), Enc::kUtf16Be) + "A", Enc::kUtf16Be, "AAea"},  // half a character
      // A refused line, a kind of 0 that ends the list, a NUL, bytes no encoding holds.
      {"h\r\n1|7|20:00|20:30|0|t\r\n2|0|1:00|2:00|0|t|m\n3|7|1:00|2:00|0|t|m\r\n", Enc::kUtf8,
       "raa"},
      {"h\n1|7|1:00|2:00|0|t|m\n" + std::string(1, '\0') + "\xFF\n2|x", Enc::kUtf8, "A"},
      {"h\n1|7|1:00|2:00|0|\xB0\xA1\xFF|m\n", Enc::kCp949, "A"},
      {hundred, Enc::kUtf8, std::string(100, 'A') + "uuuu"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.bytes));
    const AlarmListEdit list = AlarmListEdit::Load(c.bytes);
    EXPECT_EQ(list.encoding(), c.encoding);
    EXPECT_EQ(Kinds(list), c.kinds);
    EXPECT_EQ(list.Bytes(), c.bytes);
    EXPECT_EQ(list.loaded_bytes(), c.bytes);
  }
  // Each line as the load reads it, a refused one with the load's message.
  EXPECT_EQ(AlarmListEdit::Load(cases[6].bytes).lines()[0].error, "List index out of bounds (6)");
  EXPECT_EQ(AlarmListEdit::Load(List("\n")).lines()[0].fields,
            (AlarmFields{7, 2000, 2030, 0, "길드 모임", "광장//분수대", 10}));
}

TEST(AlarmListEditTest, ChangedAndNewLinesHaveTheirExactText) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(::testing::PrintToString(end));
    AlarmListEdit list = AlarmListEdit::Load(Cp949(List(end)));
    EXPECT_TRUE(list.Change(0, {5, 905, 1000, 0, "새 제목", "본문//둘째 줄", 0}).empty());
    EXPECT_TRUE(list.Add(kAdded).empty());  // numbered after " 07", before the empty line
    EXPECT_EQ(Kinds(list), "AAAea");
    const std::string expected = kLines[0] + end + " 07|5|9:05|10:00|0|새 제목|본문//둘째 줄" +
                                 end + kLines[2] + end + "8" + kAddedLine + end + end + kLines[4] +
                                 end;
    EXPECT_EQ(list.Bytes(), Cp949(expected));
    // Across the empty line an alarm switches off, and back on.
    EXPECT_TRUE(list.MoveDown(2));
    EXPECT_EQ(Kinds(list), "AAeaa");
    EXPECT_TRUE(list.MoveUp(3));
    EXPECT_EQ(list.Bytes(), Cp949(expected));
    EXPECT_TRUE(list.Delete(2));
    EXPECT_FALSE(list.MoveDown(3));
    EXPECT_EQ(list.Bytes(), Cp949(ReplaceAll(expected, "8" + kAddedLine + end, "")));
  }
  // A refused line edited as text: only it changes, read again by the load; an empty line, line
  // breaks and characters code page 949 has not are refused.
  const std::string refused =
      Cp949("번호\r\n1|7|1:00|2:00|0|가|나\r\n2|7|2O:00|3:00|0|t|m\r\n\r\n");
  AlarmListEdit mend = AlarmListEdit::Load(refused);
  EXPECT_EQ(Kinds(mend), "Are");
  EXPECT_EQ(mend.ChangeText(2, "3|7|1:00|2:00|0|t|m"),
            (Problems{{AlarmField::kList, kNotAnAlarmMessage}}));
  EXPECT_EQ(mend.ChangeText(1, "2|7|2:00|3:00|0|t|m\r\n3"),
            (Problems{{AlarmField::kList, kOneLineMessage}}));
  EXPECT_EQ(mend.ChangeText(1, "2|7|2:00|3:00|0|☕|m"),
            (Problems{{AlarmField::kList, kNotInCp949Message + std::string("☕")}}));
  EXPECT_EQ(mend.Bytes(), refused);
  EXPECT_TRUE(mend.ChangeText(1, "2|7|2:00|3:00|0|셋|m").empty());
  EXPECT_EQ(Kinds(mend), "AAe");
  EXPECT_EQ(mend.Bytes(), Cp949("번호\r\n1|7|1:00|2:00|0|가|나\r\n2|7|2:00|3:00|0|셋|m\r\n\r\n"));
  // After a last line without a line end; into a new list (UTF-8, BOM, CR LF); into UTF-16.
  AlarmListEdit unended = AlarmListEdit::Load("h\n5|7|1:00|2:00|0|t|m");
  EXPECT_TRUE(unended.Add(kAdded).empty());
  EXPECT_EQ(unended.Bytes(), "h\n5|7|1:00|2:00|0|t|m\n6" + kAddedLine);
  AlarmListEdit fresh = AlarmListEdit::New();
  EXPECT_TRUE(fresh.Add(kAdded).empty());
  EXPECT_EQ(fresh.Bytes(), "\xEF\xBB\xBF" + kLines[0] + "\r\n1" + kAddedLine + "\r\n");
  AlarmListEdit wide = AlarmListEdit::Load(Utf16("h\r\n", Enc::kUtf16Be));
  EXPECT_TRUE(wide.Add(kAdded).empty());
  EXPECT_EQ(wide.Bytes(), Utf16("h\r\n1" + kAddedLine + "\r\n", Enc::kUtf16Be));
}

TEST(AlarmListEditTest, FieldsTheListCannotTakeAreNamed) {
  using F = AlarmField;
  const struct {
    AlarmFields fields;
    Problems problems;
  } cases[] = {
      {{7, 2000, 2030, 0, "t", "m", 720}, {}},
      {{7, 2400, 1960, 0, "t", "m", 0},
       {{F::kStart, kTimeRangeMessage}, {F::kEnd, kTimeRangeMessage}}},
      {{4, 0, 0, 8, "t", "m", 0}, {{F::kKind, kUnknownKindMessage}, {F::kDay, kDayRangeMessage}}},
      {{5, 0, 0, 6, "t", "m", 0}, {{F::kDay, kDayKindMessage}}},
      {{7, 0, 0, 0, "", "a|b", 721},
       {{F::kTitle, kTitleEmptyMessage},
        {F::kBody, kBarMessage},
        {F::kWarning, kWarningRangeMessage}}},
      {{7, 0, 0, 0, "a|b", "a\r\nb", 0}, {{F::kTitle, kBarMessage}, {F::kBody, kLineBreakMessage}}},
      {{7, 0, 0, 0, "커피 ☕ 😀 ☕", "café", 0}, {}},
  };
  const AlarmListEdit utf8 = AlarmListEdit::Load("h\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields.title + " " + c.fields.body);
    EXPECT_EQ(utf8.Check(c.fields), c.problems);
  }
  // A code page 949 list names the characters it cannot hold and takes nothing; switched to
  // UTF-8 it keeps every line's text and takes them.
  const std::string cp949 = Cp949("번호\r\n1|7|1:00|2:00|0|가|나\r\n");
  AlarmListEdit list = AlarmListEdit::Load(cp949);
  EXPECT_EQ(list.Add(cases[6].fields),
            (Problems{{F::kTitle, kNotInCp949Message + std::string("☕ 😀")},
                      {F::kBody, kNotInCp949Message + std::string("é")}}));
  EXPECT_EQ(list.Bytes(), cp949);
  list.SwitchToUtf8();
  EXPECT_TRUE(list.Add(cases[6].fields).empty());
  EXPECT_EQ(list.Bytes(),
            "\xEF\xBB\xBF번호\r\n1|7|1:00|2:00|0|가|나\r\n2|7|0:00|0:00|0|커피 ☕ 😀 ☕|café\r\n");
  // At most 100 data lines: the load reads no more.
  std::string full = "h\n";
  for (int k = 1; k <= 100; ++k) full += "1|7|1:00|2:00|0|t|m\n";
  AlarmListEdit hundred = AlarmListEdit::Load(full + "\n\n");
  EXPECT_EQ(hundred.Add(kAdded), (Problems{{F::kList, kListFullMessage}}));
  EXPECT_TRUE(hundred.Delete(99));
  EXPECT_TRUE(hundred.Add(kAdded).empty());
}

TEST(AlarmListEditTest, NextDueIsADateAndTimeOrWhyNot) {
  BuildSchedule();
  const LocalMoment wednesday{2026, 12, 9, 3, 19, 0, 0}, new_year_eve{2026, 12, 31, 4, 23, 30, 0};
  const struct {
    AlarmFields fields;
    LocalMoment now;
    std::string text;
  } cases[] = {
      {{7, 2000, 2030, 0, "t", "m", 0}, wednesday, "12-09 20:00"},
      {{7, 1900, 2030, 0, "t", "m", 0}, wednesday, "12-10 19:00"},  // due already
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
  EXPECT_TRUE(game.size() == 26 && game.substr(11) == " (게임 23:00)" &&
              game.substr(0, 6) == "12-09 " && std::stoi(game.substr(6, 2)) >= 19)
      << game;
}

}  // namespace
}  // namespace tavlin
