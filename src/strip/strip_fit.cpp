#include "strip/strip_fit.h"

#include <algorithm>
#include <string>

#include "base/scaling.h"

namespace tavlin {

namespace {

constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
// The summary line shows each double-hour by its first syllable.
constexpr std::string_view kHourSyllables[] = {"자", "축", "인", "묘", "진", "사",
                                               "오", "미", "신", "유", "술", "해"};

// Where StatusPane1 lies on Panel1 and how its text is set in, at 96 DPI.
constexpr int kPaneLeft = 46;
constexpr int kPaneTextIndent = 3;
// The least room between StatusPane1 and the summary line, and around the real time.
constexpr int kSummaryGap = 2;
constexpr int kRealTimeMargin = 2;

template <size_t N>
std::string_view Widest(const TextWidths& font, const std::string_view (&texts)[N]) {
  return *std::max_element(
      std::begin(texts), std::end(texts),
      [&](std::string_view a, std::string_view b) { return font.Width(a) < font.Width(b); });
}

// hh:mm:ss with `digit` in every place.
std::string Clock(std::string_view digit, std::string_view separator) {
  std::string d2 = std::string(digit) + std::string(digit);
  return d2 + std::string(separator) + d2 + std::string(separator) + d2;
}

}  // namespace

WidestStripTexts MeasureWidestStripTexts(const TextWidths& pane_font, const TextWidths& strip_font,
                                         std::string_view time_separator) {
  WidestStripTexts widest;
  widest.game_time = pane_font.Width(Clock(Widest(pane_font, kDigits), ":"));

  const std::string d(Widest(strip_font, kDigits));
  const std::string hour(Widest(strip_font, kHourSyllables));
  const std::string part = hour + "(" + d + d + ")";
  widest.summary = strip_font.Width(part + ">" + d + d + ":" + d + d + ">" + part + " ");

  widest.real_time = strip_font.Width(Clock(d, time_separator));
  return widest;
}

StripBoxes DesignedStripBoxes(int dpi) {
  return StripBoxes{ScaleToDpi(89, dpi), ScaleToDpi(257, dpi), ScaleToDpi(62, dpi)};
}

StripBoxes FitStripBoxes(int dpi, const WidestStripTexts& widest) {
  const auto s = [dpi](int v) { return ScaleToDpi(v, dpi); };
  // The panels' and the pane's borders are two lines of one scaled pixel.
  const int border = 2 * s(1);
  StripBoxes boxes = DesignedStripBoxes(dpi);
  boxes.status_pane1 = std::max(boxes.status_pane1, border + s(kPaneTextIndent) + widest.game_time);
  boxes.panel1 = std::max(
      boxes.panel1, s(kPaneLeft) + boxes.status_pane1 + s(kSummaryGap) + widest.summary + border);
  boxes.panel3 = std::max(boxes.panel3, 2 * (border + s(kRealTimeMargin)) + widest.real_time);
  return boxes;
}

}  // namespace tavlin
