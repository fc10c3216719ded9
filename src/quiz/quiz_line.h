// quiz/ holds the quiz line: picking a line of the player's quiz file, and the label showing it.
// The quiz line: one random line of the player's question-and-answer file, the quiz mode it
// decides, and the strip width that fits it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/file_system.h"
#include "base/player_files.h"
#include "base/text_decode.h"

namespace tavlin {

/// Narrowest client width of the strip, in pixels at 96 DPI (scaled with ScaleToDpi).
inline constexpr int kMinimumStripWidth = 325;

/// `line` with every "//" removed, scanning left to right without overlap; everything else,
/// spaces included, stays ("Q // A" -> "Q  A", "////" -> "").
std::string QuizDisplayText(std::string_view line);

/// The strip's client width for a quiz label `label_width` pixels wide at `dpi`: the label plus
/// 40, never narrower than 325 (both scaled from 96 DPI), and with no upper bound.
int FitWidth(int label_width, int dpi);

/// The result of one look at the quiz file.
struct QuizPick {
  bool found = false;  ///< false: no file, an unreadable file or a file without a line
  std::string text;    ///< the display text of the chosen line (empty when not found)
};

/// The quiz file between picks. Every pick looks at the file's stamp (its size and last-write
/// time) and reads it again only when that changed, so a saved edit shows at the next pick while
/// a large file is not read once a minute; only the chosen line is decoded.
class QuizFile {
 public:
  /// The quiz file is found by FindPlayerFile beside `program_directory` (empty: the working
  /// directory only).
  explicit QuizFile(std::string program_directory = {})
      : program_directory_(std::move(program_directory)) {}

  /// Chooses one line of the quiz file uniformly, with a random generator seeded from `seed`
  /// for this pick alone. Empty lines are candidates too. A file that holds no line counts as
  /// absent, and so does one that cannot be read, unless an earlier pick read it: then its lines
  /// as they were are used and the next pick tries to read it again.
  QuizPick Pick(const FileSystem& files, uint64_t seed);

 private:
  std::string program_directory_;
  std::string path_;                // of the file lines_ holds
  std::optional<FileStamp> stamp_;  // of the file as lines_ holds it
  std::optional<TextLines> lines_;
};

/// One pick from a QuizFile of its own, so the file is read afresh.
QuizPick PickQuizLine(const FileSystem& files, uint64_t seed);

/// Quiz mode and the visibility of the quiz panel, as the main window's events change them.
class QuizModel {
 public:
  explicit QuizModel(const FileSystem& files, std::string program_directory = {})
      : files_(files), file_(std::move(program_directory)) {}

  /// A pick into an empty text: the line to show in the label. Without a usable file quiz mode
  /// goes off, the panel is hidden and the text is empty. With one quiz mode goes on, but the
  /// panel is never shown by a pick.
  std::string Pick(uint64_t seed);
  /// Shows the panel exactly when quiz mode is on (the window's show and the mode switch).
  void ModeChange() { panel_visible_ = quiz_mode_; }
  /// "시계모드/문답+": quiz mode inverted, then ModeChange.
  void SwitchMode() {
    quiz_mode_ = !quiz_mode_;
    ModeChange();
  }

  bool quiz_mode() const { return quiz_mode_; }
  bool panel_visible() const { return panel_visible_; }

 private:
  const FileSystem& files_;
  QuizFile file_;
  bool quiz_mode_ = false;     // off until the first pick
  bool panel_visible_ = true;  // the panel as laid out; the first pick or show decides
};

}  // namespace tavlin
