#include "quiz/quiz_line.h"

#include <algorithm>
#include <random>

#include "base/scaling.h"
#include "base/text.h"

namespace tavlin {

std::string QuizDisplayText(std::string_view line) {
  return ReplaceAll(line, "//", "");
}

int FitWidth(int label_width, int dpi) {
  return std::max(label_width + ScaleToDpi(40, dpi), ScaleToDpi(kMinimumStripWidth, dpi));
}

QuizPick QuizFile::Pick(const FileSystem& files, uint64_t seed) {
  // The stamp is taken before reading: a save during the read shows a new stamp at the next pick.
  const std::string path = FindPlayerFile(files, kQuizFileName, program_directory_);
  const std::optional<FileStamp> stamp = files.Stamp(path);
  if (!stamp) {
    lines_.reset();
  } else if (!lines_ || stamp != stamp_ || path != path_) {
    std::string bytes, reason;
    if (files.ReadAll(path, &bytes, &reason)) {
      lines_.emplace(std::move(bytes));
      stamp_ = stamp;
      path_ = path;
    }
    // A file another program is saving just now keeps its last lines, and the next pick tries
    // again: quiz mode going off here would leave the quiz line hidden until the player acts.
  }
  if (!lines_ || lines_->size() == 0) return {};
  // A fresh generator per pick: the choice depends on the caller's seed alone.
  std::mt19937_64 generator(seed);
  std::uniform_int_distribution<size_t> index(0, lines_->size() - 1);
  return {true, QuizDisplayText((*lines_)[index(generator)])};
}

QuizPick PickQuizLine(const FileSystem& files, uint64_t seed) {
  return QuizFile{}.Pick(files, seed);
}

std::string QuizModel::Pick(uint64_t seed) {
  QuizPick pick = file_.Pick(files_, seed);
  quiz_mode_ = pick.found;
  if (!pick.found) panel_visible_ = false;
  return std::move(pick.text);
}

}  // namespace tavlin
