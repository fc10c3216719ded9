#include "base/text_decode.h"

#include <gtest/gtest.h>

#include "base/wide_text.h"

namespace tavlin {
namespace {

using Lines = std::vector<std::string>;

TEST(TextDecodeTest, Cp949AndUtf8GiveTheSameText) {
  EXPECT_EQ(DecodeUserText("\xB0\xA1\xB3\xAA"), "가나");
  EXPECT_EQ(DecodeUserText("가나"), "가나");
  EXPECT_EQ(DecodeUserText("\xEF\xBB\xBF가나"), "가나");  // BOM dropped
  EXPECT_EQ(DecodeUserText("\xBE\xCB\xB8\xB2|abc"), "알림|abc");
  EXPECT_EQ(DecodeUserText("plain ascii"), "plain ascii");
  EXPECT_EQ(DecodeUserText(""), "");
  EXPECT_EQ(DecodeUserText("\xEF\xBB\xBF"), "");
  // A code page 949 syllable whose bytes start like UTF-8 and end in a Latin letter.
  EXPECT_EQ(DecodeUserText("\xC5\x41"), "휕");
}

TEST(TextDecodeTest, NulEndsTheText) {
  EXPECT_EQ(DecodeUserText(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(DecodeUserText(std::string("\xB0\xA1\0\xFF", 4)), "가");
  EXPECT_EQ(DecodeUserText(std::string("\0", 1)), "");
}

TEST(TextDecodeTest, BrokenBytesNeverCrashAndAreReplaced) {
  const std::string decoded = DecodeUserText(
      "a\xFF"
      "b");
  EXPECT_EQ(decoded.front(), 'a');
  EXPECT_EQ(decoded.back(), 'b');
  EXPECT_TRUE(IsValidUtf8(decoded));
  EXPECT_TRUE(IsValidUtf8(DecodeUserText("\xB0")));  // a lead byte cut off at the end
  // Malformed pairs the C library's converter once mis-stepped over (found by fuzzing).
  EXPECT_TRUE(IsValidUtf8(DecodeUserText("\xED\xED\xA2\xE8")));
  // A stray lead byte does not swallow the line end after it.
  EXPECT_EQ(SplitLines(DecodeUserText("\xB0\r\n\xB0\xA1")).size(), 2u);
  EXPECT_EQ(SplitLines(DecodeUserText("\xB0\r\n\xB0\xA1")).back(), "가");
}

TEST(TextDecodeTest, Utf8Validity) {
  EXPECT_TRUE(IsValidUtf8("가 a \xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE0\xA4"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xC3\x41"));          // a lead byte, then no continuation byte
  EXPECT_FALSE(IsValidUtf8("\xB0\xA1"));          // code page 949
}

TEST(TextDecodeTest, LineEnds) {
  const struct {
    const char* text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"a\n\r", {"a", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(SplitLines(c.text), c.lines);
  }
}

TEST(TextDecodeTest, Utf16RoundTrip) {
  EXPECT_EQ(Utf8ToUtf16("가a"), (std::u16string{0xAC00, u'a'}));
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("문답공부시계 종료 ×")), "문답공부시계 종료 ×");
  EXPECT_EQ(Utf8ToUtf16("a\xFF"), (std::u16string{u'a', 0xFFFD}));
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'b'}),
            "\xEF\xBF\xBD"
            "b");
}

}  // namespace
}  // namespace tavlin
