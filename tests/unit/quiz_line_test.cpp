#include "quiz/quiz_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "test_support.h"

namespace tavlin {
namespace {

using fakes::MemoryFileSystem;

MemoryFileSystem QuizFile(const std::string& bytes) {
  MemoryFileSystem files;
  files.files[kQuizFilePath] = bytes;
  return files;
}

TEST(QuizLineTest, DisplayTextDropsEverySlashPairAndKeepsSpaces) {
  const struct {
    const char* line;
    const char* shown;
  } cases[] = {
      {"질문 // 답", "질문  답"}, {"a//b//c", "abc"}, {"////", ""}, {"///", "/"}, {"//", ""},
      {" x / y ", " x / y "},     {"  //  ", "    "}, {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(QuizDisplayText(c.line), c.shown);
    // A one-line file always shows that line, whatever the seed.
    for (uint64_t seed : {0ull, 1ull, 987654321ull}) {
      const QuizPick pick = PickQuizLine(QuizFile(std::string(c.line) + "\r\n"), seed);
      EXPECT_TRUE(pick.found);
      EXPECT_EQ(pick.text, c.shown);
    }
  }
}

// At other scalings both figures scale: 40 and 325 are 60 and 488 at 144 DPI.
TEST(QuizLineTest, FitWidthIsLabelPlusFortyAndAtLeast325) {
  const struct {
    int label, dpi, width;
  } cases[] = {{0, 96, 325},    {284, 96, 325},   {285, 96, 325},  {286, 96, 326},
               {500, 96, 540},  {4000, 96, 4040}, {0, 144, 488},   {428, 144, 488},
               {429, 144, 489}, {0, 120, 406},    {367, 120, 417}, {0, 192, 650}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.label) + " at " + std::to_string(c.dpi));
    EXPECT_EQ(FitWidth(c.label, c.dpi), c.width);
  }
}

TEST(QuizLineTest, LineEndsAndEncodingsGiveTheSameLines) {
  // "가나 // 다" in code page 949 and in UTF-8, with and without a BOM.
  const std::string cp949 = "\xB0\xA1\xB3\xAA // \xB4\xD9";
  const std::string utf8 = "\xEA\xB0\x80\xEB\x82\x98 // \xEB\x8B\xA4";
  const std::string expected = "\xEA\xB0\x80\xEB\x82\x98  \xEB\x8B\xA4";
  const std::string files[] = {cp949, cp949 + "\r\n", cp949 + "\n", cp949 + "\r",
                               utf8,  utf8 + "\r\n",  utf8 + "\n",  "\xEF\xBB\xBF" + utf8};
  for (const std::string& bytes : files) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    const QuizPick pick = PickQuizLine(QuizFile(bytes), 42);
    EXPECT_TRUE(pick.found);
    EXPECT_EQ(pick.text, expected);
  }
  // Two lines, whatever their ends: both are candidates and no third (empty) one appears.
  for (const char* bytes : {"A\r\nB", "A\nB\n", "A\rB\r", "A\r\nB\r\n"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(bytes)));
    std::map<std::string, int> seen;
    for (uint64_t seed = 0; seed < 200; ++seed) ++seen[PickQuizLine(QuizFile(bytes), seed).text];
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_GT(seen["A"], 0);
    EXPECT_GT(seen["B"], 0);
  }
}

TEST(QuizLineTest, AbsentUnreadableOrLinelessFileIsNoQuiz) {
  MemoryFileSystem absent;
  MemoryFileSystem unreadable;
  unreadable.unreadable[kQuizFilePath] = "Access is denied";
  const MemoryFileSystem* cases[] = {&absent, &unreadable};
  for (const MemoryFileSystem* files : cases) {
    const QuizPick pick = PickQuizLine(*files, 7);
    EXPECT_FALSE(pick.found);
    EXPECT_EQ(pick.text, "");
  }
  EXPECT_FALSE(PickQuizLine(QuizFile(""), 7).found);
  // A NUL byte ends the text, so a file starting with one holds no line.
  EXPECT_FALSE(PickQuizLine(QuizFile(std::string("\0Q // A", 7)), 7).found);
}

TEST(QuizLineTest, EmptyLineIsAnEqualCandidateAndFitsTheMinimumWidth) {
  const QuizPick pick = PickQuizLine(QuizFile("\r\n"), 3);
  EXPECT_TRUE(pick.found);
  EXPECT_EQ(pick.text, "");
  EXPECT_EQ(FitWidth(0, 96), kMinimumStripWidth);

  std::map<std::string, int> seen;
  for (uint64_t seed = 0; seed < 300; ++seed) ++seen[PickQuizLine(QuizFile("x\n\ny\n"), seed).text];
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_GT(seen[""], 0);

  // A file of empty lines only is a quiz file whose every line is empty.
  for (uint64_t seed = 0; seed < 20; ++seed) {
    const QuizPick only_empty = PickQuizLine(QuizFile("\r\n\n\r\r\n"), seed);
    EXPECT_TRUE(only_empty.found);
    EXPECT_EQ(only_empty.text, "");
  }
}

TEST(QuizLineTest, TheFileIsReadAgainWhenItsSizeOrTimeChanges) {
  MemoryFileSystem files = QuizFile("A\n");
  QuizModel model(files);
  EXPECT_EQ(model.Pick(1), "A");
  EXPECT_EQ(model.Pick(2), "A");
  EXPECT_EQ(files.reads, 1);  // the same stamp: not read again

  files.files[kQuizFilePath] = "B\n";  // same size, saved later
  files.modified[kQuizFilePath] = 1;
  EXPECT_EQ(model.Pick(3), "B");
  files.files[kQuizFilePath] = "CC\n";  // same time, another size
  EXPECT_EQ(model.Pick(4), "CC");
  EXPECT_EQ(files.reads, 3);

  // Gone, then back: no quiz, then the file as it is now.
  files.files.clear();
  EXPECT_EQ(model.Pick(5), "");
  EXPECT_FALSE(model.quiz_mode());
  files.files[kQuizFilePath] = "CC\n";
  EXPECT_EQ(model.Pick(6), "CC");
  EXPECT_TRUE(model.quiz_mode());

  // Being saved by another program (unreadable for a moment): the lines read last stay, and
  // every pick tries again until the file can be read.
  files.unreadable[kQuizFilePath] = "Sharing violation";
  files.modified[kQuizFilePath] = 2;
  const int reads = files.reads;
  EXPECT_EQ(model.Pick(7), "CC");
  EXPECT_EQ(model.Pick(8), "CC");
  EXPECT_TRUE(model.quiz_mode());
  EXPECT_EQ(files.reads, reads + 2);
  files.unreadable.clear();
  files.files[kQuizFilePath] = "D\n";
  EXPECT_EQ(model.Pick(9), "D");
}

TEST(QuizLineTest, EveryLineIsRoughlyEquallyLikely) {
  const std::vector<std::string> lines = {"L0", "L1", "L2", "L3", "L4"};
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  const MemoryFileSystem files = QuizFile(bytes);
  // Seeds as the performance counter gives them: close together and increasing.
  constexpr int kPicks = 10000;
  std::map<std::string, int> counts;
  for (int i = 0; i < kPicks; ++i) {
    ++counts[PickQuizLine(files, 123456789ull + static_cast<uint64_t>(i) * 37).text];
  }
  ASSERT_EQ(counts.size(), lines.size());
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    // Expected 2000 each; the binomial standard deviation is 40, so 200 is five of them.
    EXPECT_NEAR(counts[line], kPicks / 5, 200);
  }
  // The same seed gives the same line: the pick depends on nothing else.
  EXPECT_EQ(PickQuizLine(files, 99).text, PickQuizLine(files, 99).text);
}

TEST(QuizLineTest, ModeAndPanelFollowPicksAndTheModeSwitch) {
  MemoryFileSystem files;
  QuizModel model(files);
  EXPECT_FALSE(model.quiz_mode());

  // Start without a file: mode off, panel hidden; the show keeps it hidden.
  EXPECT_EQ(model.Pick(1), "");
  EXPECT_FALSE(model.quiz_mode());
  EXPECT_FALSE(model.panel_visible());
  model.ModeChange();
  EXPECT_FALSE(model.panel_visible());

  // The switch shows an empty panel; the next pick finds no file and hides it again.
  model.SwitchMode();
  EXPECT_TRUE(model.quiz_mode());
  EXPECT_TRUE(model.panel_visible());
  model.Pick(2);
  EXPECT_FALSE(model.quiz_mode());
  EXPECT_FALSE(model.panel_visible());

  // A file added later is found by the next pick, which turns quiz mode on but does not show the
  // panel; the next switch turns it off (still hidden) and the one after shows it.
  files.files[kQuizFilePath] = "Q//A";
  EXPECT_EQ(model.Pick(3), "QA");
  EXPECT_TRUE(model.quiz_mode());
  EXPECT_FALSE(model.panel_visible());
  model.SwitchMode();
  EXPECT_FALSE(model.quiz_mode());
  EXPECT_FALSE(model.panel_visible());
  model.SwitchMode();
  EXPECT_TRUE(model.quiz_mode());
  EXPECT_TRUE(model.panel_visible());

  // Removing the file: the next pick switches the mode off and hides the panel.
  files.files.clear();
  EXPECT_EQ(model.Pick(4), "");
  EXPECT_FALSE(model.quiz_mode());
  EXPECT_FALSE(model.panel_visible());
}

TEST(QuizLineTest, StartWithFileShowsThePanelAtTheShow) {
  MemoryFileSystem files = QuizFile("Q // A\n");
  QuizModel model(files);
  EXPECT_EQ(model.Pick(5), "Q  A");
  EXPECT_TRUE(model.quiz_mode());
  model.ModeChange();
  EXPECT_TRUE(model.panel_visible());
  // A pick while the panel shows keeps it shown.
  model.Pick(6);
  EXPECT_TRUE(model.panel_visible());
}

}  // namespace
}  // namespace tavlin
