#include "base/text.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

TEST(TextTest, TwoDigitsAndTimeTexts) {
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(9), "09");
  EXPECT_EQ(TwoDigits(10), "10");
  EXPECT_EQ(TwoDigits(120), "120");
  EXPECT_EQ(HhmmssToText(0), "00:00:00");
  EXPECT_EQ(HhmmssToText(1647), "00:16:47");
  EXPECT_EQ(HhmmssToText(235512), "23:55:12");
  EXPECT_EQ(HhmmssTextToHhmm("130000"), "13:00");
  EXPECT_EQ(HhmmssTextToHhmm("10000"), "01:00");
  EXPECT_EQ(HhmmssTextToHhmm("224"), "00:02");
  EXPECT_EQ(HhmmssTextToHhmm("235959"), "23:59");  // seconds dropped, not rounded
}

TEST(TextTest, HhmmssTextToHhmmRejectsNonIntegers) {
  try {
    HhmmssTextToHhmm("12a");
    FAIL() << "no error raised";
  } catch (const TavlinError& error) {
    EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
  }
}

TEST(TextTest, SplitTextPieces) {
  using Pieces = std::vector<std::string>;
  const struct {
    const char* text;
    Pieces pieces;
  } cases[] = {
      {"a|b", {"a", "b"}},
      {"a|b|", {"a", "b"}},
      {"a||b", {"a", "", "b"}},
      {"|a", {"", "a"}},
      {"a||", {"a", ""}},
      {"", {""}},
      {"|", {""}},
      {"000224|001647|130000|145959|미시|낮",
       {"000224", "001647", "130000", "145959", "미시", "낮"}},
      {"000224|001647|130000|145959|미시|낮|",
       {"000224", "001647", "130000", "145959", "미시", "낮"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitText(c.text, "|"), c.pieces);
  }
  EXPECT_EQ(SplitText("a//b////c", "//"), (Pieces{"a", "b", "", "c"}));
}

TEST(TextTest, IntegerText) {
  const struct {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"0", 0},
      {"2000", 2000},
      {"  905", 905},
      {"+7", 7},
      {"-5", -5},
      {"$1F", 31},
      {"x1f", 31},
      {"X10", 16},
      {"0x10", 16},
      {"0X7fffffff", 2147483647},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483648LL},
      {"2147483648", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"7 ", std::nullopt},
      {"\t7", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"1a", std::nullopt},
      {"20:00", std::nullopt},
      {"$g", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    EXPECT_EQ(ParseIntegerText(c.text), c.value);
  }
}

TEST(TextTest, ReplaceAllScansLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("a//b", "//", "\r"), "a\rb");
  EXPECT_EQ(ReplaceAll("a////b", "//", "\r"), "a\r\rb");
  EXPECT_EQ(ReplaceAll("a///b", "//", "\r"), "a\r/b");
  EXPECT_EQ(ReplaceAll("q // a", "//", ""), "q  a");
  EXPECT_EQ(ReplaceAll("", "//", "x"), "");
}

}  // namespace
}  // namespace tavlin
