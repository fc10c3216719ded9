#include "strip/strip_layout.h"

#include "quiz/quiz_line.h"

#include "base/scaling.h"

namespace tavlin {

namespace {

// The quiz panel keeps this margin to the right edge of the strip whatever its width.
constexpr int kPanel2Left = 2;
constexpr int kPanel2RightMargin = 3;

}  // namespace

StripLayout LayOutStrip(int dpi, int client_width) {
  return LayOutStrip(dpi, client_width, DesignedStripBoxes(dpi));
}

StripLayout LayOutStrip(int dpi, int client_width, const StripBoxes& boxes) {
  const auto s = [dpi](int v) { return ScaleToDpi(v, dpi); };
  const auto at = [&s](int x, int y, int w, int h) { return Bounds{s(x), s(y), s(w), s(h)}; };
  StripLayout layout;
  layout.client_height = s(50);
  layout.panel1 = Bounds{s(2), s(2), boxes.panel1, s(24)};
  layout.button1 = at(5, 3, 18, 18);
  layout.button3 = at(25, 3, 18, 18);
  layout.status_pane1 = Bounds{s(46), s(2), boxes.status_pane1, s(21)};
  // Panel3 follows Panel1 at the designed distance (260 = 2 + 257 + 1 at 96 DPI).
  const int panel3_left = layout.panel1.left + boxes.panel1 + s(260) - s(2) - s(257);
  layout.panel3 = Bounds{panel3_left, s(2), boxes.panel3, s(24)};
  // Wider boxes widen the least strip by as much; the designed ones keep it at 325 scaled.
  const StripBoxes designed = DesignedStripBoxes(dpi);
  layout.least_client_width =
      s(kMinimumStripWidth) + boxes.panel1 - designed.panel1 + boxes.panel3 - designed.panel3;
  // The quiz panel reaches down to the strip's bottom edge (27 + 23 = 50), which two separately
  // rounded figures would pass at some scalings.
  layout.panel2 =
      Bounds{s(kPanel2Left), s(27), client_width - s(kPanel2Left) - s(kPanel2RightMargin),
             layout.client_height - s(27)};
  layout.button2 = at(5, 3, 17, 17);
  layout.label1_left = s(25);
  layout.label1_top = s(6);
  layout.font_height = s(12);
  layout.button2_font_height = s(11);
  return layout;
}

}  // namespace tavlin
