#include "strip/strip_layout.h"

#include "base/scaling.h"

namespace tavlin {

namespace {

// The quiz panel keeps this margin to the right edge of the strip whatever its width.
constexpr int kPanel2Left = 2;
constexpr int kPanel2RightMargin = 3;

}  // namespace

StripLayout LayOutStrip(int dpi, int client_width) {
  const auto s = [dpi](int v) { return ScaleToDpi(v, dpi); };
  const auto at = [&s](int x, int y, int w, int h) { return Bounds{s(x), s(y), s(w), s(h)}; };
  StripLayout layout;
  layout.client_height = s(50);
  layout.panel1 = at(2, 2, 257, 24);
  layout.button1 = at(5, 3, 18, 18);
  layout.button3 = at(25, 3, 18, 18);
  layout.status_pane1 = at(46, 2, 89, 21);
  layout.panel3 = at(260, 2, 62, 24);
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
