#include "ui/quiz_line.h"

#include <algorithm>
#include <random>
#include <vector>

#include "base/scaling.h"
#include "base/text.h"
#include "base/text_decode.h"

namespace tavlin {

std::string QuizDisplayText(std::string_view line) {
  return ReplaceAll(line, "//", "");
}

int FitWidth(int label_width, int dpi) {
  return std::max(label_width + ScaleToDpi(40, dpi), ScaleToDpi(kMinimumStripWidth, dpi));
}

QuizPick PickQuizLine(const FileSystem& files, uint64_t seed) {
  if (!files.Exists(kQuizFilePath)) return {};
  std::string bytes, reason;
  if (!files.ReadAll(kQuizFilePath, &bytes, &reason)) return {};
  const std::vector<std::string> lines = SplitLines(DecodeUserText(bytes));
  if (lines.empty()) return {};
  // A fresh generator per pick: the choice depends on the caller's seed alone.
  std::mt19937_64 generator(seed);
  std::uniform_int_distribution<size_t> index(0, lines.size() - 1);
  return {true, QuizDisplayText(lines[index(generator)])};
}

std::string QuizModel::Pick(uint64_t seed) {
  QuizPick pick = PickQuizLine(files_, seed);
  quiz_mode_ = pick.found;
  if (!pick.found) panel_visible_ = false;
  return std::move(pick.text);
}

}  // namespace tavlin
