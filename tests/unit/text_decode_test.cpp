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

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

TEST(TextDecodeTest, EncodingsAndBytesNoneOfThemHold) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
    bool clean;
    const char* text;
  } cases[] = {
      {"\xB0\xA1|a\r\n", TextEncoding::kCp949, true, "가|a\r\n"},
      {"\xEF\xBB\xBF가|a", TextEncoding::kUtf8, true, "가|a"},
      {"가|a", TextEncoding::kUtf8, true, "가|a"},
      {Bytes({0xFF, 0xFE, 0x00, 0xAC, '|', 0, '\r', 0, '\n', 0}), TextEncoding::kUtf16Le, true,
       "가|\r\n"},
      {Bytes({0xFE, 0xFF, 0xAC, 0x00, 0, '|', 0xD8, 0x3D, 0xDE, 0x00}), TextEncoding::kUtf16Be,
       true, "가|\xF0\x9F\x98\x80"},
      // A NUL character ends UTF-16 text as a NUL byte ends the others.
      {Bytes({0xFF, 0xFE, 'a', 0, 0, 0, 'b', 0}), TextEncoding::kUtf16Le, true, "a"},
      {Bytes({0xFF, 0xFE}), TextEncoding::kUtf16Le, true, ""},
      // Half a character at the end, an unpaired surrogate, bytes code page 949 cannot map.
      {Bytes({0xFF, 0xFE, 'a', 0, 'b'}), TextEncoding::kUtf16Le, false, "a"},
      {Bytes({0xFF, 0xFE, 0x00, 0xD8, 'a', 0}), TextEncoding::kUtf16Le, false,
       "\xEF\xBF\xBD"
       "a"},
      {"a\xFF"
       "b",
       TextEncoding::kCp949, false,
       "a\xEF\xBF\xBD"
       "b"},
      {"\xB0\xA1\xFF", TextEncoding::kCp949, false, "가\xEF\xBF\xBD"},
      // UTF-16 without its byte-order mark is not told from code page 949 text that stops at NUL.
      {Bytes({'a', 0, 'b', 0}), TextEncoding::kUtf8, true, "a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.bytes));
    const DecodedText decoded = DecodePlayerText(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.clean, c.clean);
    EXPECT_EQ(decoded.text, c.text);
  }
}

TEST(TextDecodeTest, EncodingBack) {
  EXPECT_EQ(Utf8ToCp949("가나|a\r\n"), "\xB0\xA1\xB3\xAA|a\r\n");
  EXPECT_EQ(Utf8ToCp949(""), "");
  // No look-alike takes the place of a character code page 949 does not have.
  EXPECT_EQ(Utf8ToCp949("caf\xC3\xA9"), std::nullopt);
  EXPECT_EQ(Utf8ToCp949("\xF0\x9F\x98\x80"), std::nullopt);
  EXPECT_EQ(EncodeAs("가a", TextEncoding::kUtf16Le), Bytes({0x00, 0xAC, 'a', 0}));
  EXPECT_EQ(EncodeAs("가a", TextEncoding::kUtf16Be), Bytes({0xAC, 0x00, 0, 'a'}));
  EXPECT_EQ(EncodeAs("가a", TextEncoding::kUtf8), "가a");
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
  // Code page 949 whose byte pairs look like UTF-8 lead bytes: "하하 // 호호" is not UTF-8.
  EXPECT_EQ(DecodeUserText("\xC7\xCF\xC7\xCF // \xC8\xA3\xC8\xA3\r\n"), "하하 // 호호\r\n");
  // UTF-8 with code page 949 bytes in it: read as code page 949, every line and every ASCII
  // byte stays, the code page 949 text is right and nothing invalid comes out.
  const std::vector<std::string> mixed =
      SplitLines(DecodeUserText("1|7|20:00|20:30|0|가|x\r\n2|7|1:00|2:00|0|\xB3\xAA|y\r\n"));
  ASSERT_EQ(mixed.size(), 2u);
  EXPECT_EQ(mixed[0].substr(0, 18), "1|7|20:00|20:30|0|");
  EXPECT_EQ(mixed[0].substr(mixed[0].size() - 2), "|x");  // the field mark after "가" stays
  EXPECT_EQ(mixed[1], "2|7|1:00|2:00|0|나|y");
  EXPECT_TRUE(IsValidUtf8(mixed[0]));
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
  EXPECT_FALSE(IsValidUtf8("\xC7\xCF\r\n"));      // code page 949 "하": no continuation byte
  EXPECT_FALSE(IsValidUtf8("\xE0\x41\x41"));
}

TEST(TextDecodeTest, TextLinesAreTheDecodedLines) {
  // Each line decoded alone is the line of the whole text decoded: encodings, BOM, NUL, line ends
  // and broken bytes.
  for (const std::string& bytes :
       {std::string(""), std::string("\xEF\xBB\xBF"), std::string("\xEF\xBB\xBF가\r\n나"),
        std::string("\xB0\xA1 // \xB3\xAA\r\n\r\n\xB4\xD9\r"), std::string("a\n\rb\r\r\nc\n"),
        std::string("\xB0\r\n\xB0\xA1\xFF\n"), std::string("x\ny\0z\nw", 7),
        std::string("\xC7\xCF\xC7\xCF // \xC8\xA3\r\n가"),
        Bytes({0xFF, 0xFE, 0x00, 0xAC, '\r', 0, '\n', 0, '\r', 0, 'b', 0}),
        Bytes({0xFE, 0xFF, 0, 'a', 0, '\n', 0xD8, 0x00, 0, 0, 0, 'z'})}) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    const TextLines lines(bytes);
    const Lines expected = SplitLines(DecodeUserText(bytes));
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]);
  }
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
