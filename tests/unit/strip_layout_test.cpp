#include "strip/strip_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/ink_placement.h"
#include "base/scaling.h"
#include "strip/strip_fit.h"

namespace tavlin {
namespace {

bool Inside(const Bounds& inner, const Bounds& outer) {
  return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= outer.width &&
         inner.top + inner.height <= outer.height;
}

TEST(StripLayoutTest, AtNinetySixDpiEveryWidgetKeepsItsPlace) {
  const StripLayout at96 = LayOutStrip(96, 325);
  EXPECT_EQ(at96.client_height, 50);
  EXPECT_EQ(at96.panel1, (Bounds{2, 2, 257, 24}));
  EXPECT_EQ(at96.button1, (Bounds{5, 3, 18, 18}));
  EXPECT_EQ(at96.button3, (Bounds{25, 3, 18, 18}));
  EXPECT_EQ(at96.status_pane1, (Bounds{46, 2, 89, 21}));
  EXPECT_EQ(at96.panel3, (Bounds{260, 2, 62, 24}));
  EXPECT_EQ(at96.panel2, (Bounds{2, 27, 320, 23}));
  EXPECT_EQ(at96.button2, (Bounds{5, 3, 17, 17}));
  EXPECT_EQ(at96.font_height, 12);
  EXPECT_EQ(LayOutStrip(96, 700).panel2.width, 695);
}

// Rounding at any scaling must not make widgets overlap or leave their parents.
TEST(StripLayoutTest, AtEveryScalingWidgetsStayApartAndInsideTheirParents) {
  for (int dpi = 96; dpi <= 288; dpi += 12) {
    SCOPED_TRACE(dpi);
    const int width = ScaleToDpi(325, dpi);
    const StripLayout l = LayOutStrip(dpi, width);
    const Bounds client{0, 0, width, l.client_height};
    EXPECT_TRUE(Inside(l.panel1, client));
    EXPECT_TRUE(Inside(l.panel3, client));
    EXPECT_TRUE(Inside(l.panel2, client));
    EXPECT_LT(l.panel1.left + l.panel1.width, l.panel3.left + 1);
    EXPECT_LT(l.panel1.top + l.panel1.height, l.panel2.top + 1);
    EXPECT_TRUE(Inside(l.button1, l.panel1));
    EXPECT_TRUE(Inside(l.button3, l.panel1));
    EXPECT_TRUE(Inside(l.status_pane1, l.panel1));
    EXPECT_LE(l.button1.left + l.button1.width, l.button3.left);
    EXPECT_LE(l.button3.left + l.button3.width, l.status_pane1.left);
    EXPECT_TRUE(Inside(l.button2, l.panel2));
    EXPECT_LE(l.button2.left + l.button2.width, l.label1_left);
    EXPECT_EQ(width - l.panel2.left - l.panel2.width, ScaleToDpi(3, dpi));
  }
  const StripLayout at144 = LayOutStrip(144, 488);
  EXPECT_EQ(at144.client_height, 75);
  EXPECT_EQ(at144.panel1, (Bounds{3, 3, 386, 36}));
  EXPECT_EQ(at144.font_height, 18);
}

// A font given by the advance of each character; a text is as wide as its advances together.
// Characters not listed are `other` wide.
struct FakeFont : TextWidths {
  std::map<std::string, int> advances;
  int other = 0;
  int Width(std::string_view utf8) const override {
    int width = 0;
    for (size_t at = 0; at < utf8.size();) {
      const unsigned char lead = static_cast<unsigned char>(utf8[at]);
      const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
      const auto found = advances.find(std::string(utf8.substr(at, length)));
      width += found == advances.end() ? other : found->second;
      at += length;
    }
    return width;
  }
};

// Digits all `digit` wide (but "4" `four`), ":" `colon`, "(" and ")" `paren`, ">" `arrow`, the
// blank `blank`, the double-hour syllables `syllable` (but "미" `mi`).
FakeFont Font(int digit, int four, int colon, int paren, int arrow, int blank, int syllable,
              int mi) {
  FakeFont f;
  for (const char* d : {"0", "1", "2", "3", "5", "6", "7", "8", "9"}) f.advances[d] = digit;
  f.advances["4"] = four;
  f.advances[":"] = colon;
  f.advances["("] = f.advances[")"] = paren;
  f.advances[">"] = arrow;
  f.advances[" "] = blank;
  f.other = syllable;
  f.advances["미"] = mi;
  return f;
}

// Advances as "굴림" gives them under the tests' mapping (narrow) and as a wider Korean face
// gives them (wide), measured at each DPI; the last rows make one digit, one syllable or the time
// separator the widest.
TEST(StripFitTest, EveryTextBoxHoldsTheWidestTextItCanShow) {
  struct Case {
    const char* what;
    int dpi;
    FakeFont pane_font, strip_font;
    const char* separator;
    StripBoxes want;
  } cases[] = {
      {"narrow at 96: as designed",
       96,
       Font(12, 12, 6, 7, 10, 5, 18, 18),
       Font(7, 7, 4, 4, 7, 3, 11, 11),
       ":",
       {89, 257, 62}},
      {"narrow at 144: the pane by one, Panel1 for the gap",
       144,
       Font(18, 18, 9, 11, 16, 8, 27, 27),
       Font(11, 11, 5, 7, 10, 5, 17, 17),
       ":",
       {135, 391, 93}},
      {"narrow at 168: Panel1 for the gap",
       168,
       Font(20, 20, 10, 12, 18, 9, 31, 31),
       Font(13, 13, 6, 8, 11, 6, 20, 20),
       ":",
       {156, 455, 109}},
      {"wide at 96",
       96,
       Font(12, 12, 7, 9, 16, 10, 20, 20),
       Font(7, 7, 4, 5, 10, 6, 12, 12),
       ":",
       {91, 271, 62}},
      {"wide at 144",
       144,
       Font(18, 18, 10, 13, 24, 15, 30, 30),
       Font(11, 11, 5, 8, 14, 9, 18, 18),
       ":",
       {137, 411, 93}},
      {"wide at 168",
       168,
       Font(21, 21, 11, 15, 27, 17, 34, 34),
       Font(12, 12, 6, 9, 17, 10, 21, 21),
       ":",
       {157, 470, 109}},
      {"one wide digit counts in every place",
       96,
       Font(12, 14, 6, 7, 10, 5, 18, 18),
       Font(7, 9, 4, 4, 7, 3, 11, 11),
       ":",
       {2 + 3 + 6 * 14 + 12, 46 + 101 + 2 + 131 + 2, 6 * 9 + 8 + 8}},
      {"one wide syllable counts at both ends",
       96,
       Font(12, 12, 6, 7, 10, 5, 18, 18),
       Font(7, 7, 4, 4, 7, 3, 11, 20),
       ":",
       {89, 46 + 89 + 2 + 133 + 2, 62}},
      {"a wide time separator",
       96,
       Font(12, 12, 6, 7, 10, 5, 18, 18),
       Font(7, 7, 4, 4, 7, 3, 11, 11),
       " h ",
       {89, 257, 6 * 7 + 2 * (3 + 11 + 3) + 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const WidestStripTexts widest = MeasureWidestStripTexts(c.pane_font, c.strip_font, c.separator);
    const StripBoxes boxes = FitStripBoxes(c.dpi, widest);
    EXPECT_EQ(boxes, c.want);
    // What the player sees: the game time's advance within the pane, the right-aligned summary
    // line clear of the pane, the real time within Panel3's border, and the strip wide enough for
    // the top row of panels with its right margin.
    const int width = ScaleToDpi(325, c.dpi);
    const StripLayout l = LayOutStrip(c.dpi, width, boxes);
    const int u = ScaleToDpi(1, c.dpi);
    EXPECT_LE(2 * u + ScaleToDpi(3, c.dpi) + widest.game_time, l.status_pane1.width);
    const int summary_left = l.panel1.width - 2 * u - widest.summary;
    EXPECT_GE(summary_left, l.status_pane1.left + l.status_pane1.width + ScaleToDpi(2, c.dpi));
    EXPECT_LE(widest.real_time + 4 * u, l.panel3.width);
    EXPECT_LT(l.panel1.left + l.panel1.width, l.panel3.left);
    EXPECT_EQ(l.least_client_width, l.panel3.left + l.panel3.width + ScaleToDpi(3, c.dpi));
  }
}

// The game time's cell in its pane's 17-row interior at 96 DPI (and 33 at 144): the designed face
// stays centred by its cell; a face whose digits reach higher in the cell is centred by its ink,
// a pixel clear of the frame.
TEST(StripFitTest, TheGameTimeInkKeepsOffThePaneTopAndBottom) {
  struct Case {
    const char* what;
    int box, cell;
    InkRows ink;
    int margin, want;
  } cases[] = {
      {"designed face: centred cell, ink already clear", 17, 19, {4, 17}, 1, -1},
      {"ink high in a taller cell: ink centred", 17, 22, {2, 17}, 1, -1},
      {"ink low in the cell", 17, 19, {6, 19}, 1, -4},
      {"ink as tall as the box: it fills it, not more", 17, 20, {0, 17}, 1, 0},
      {"at 144 DPI, two pixels clear", 33, 38, {2, 30}, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int top = CellTopInBox(c.box, c.cell, c.ink, c.margin);
    EXPECT_EQ(top, c.want);
    const int ink_height = c.ink.bottom - c.ink.top;
    if (ink_height <= c.box - 2 * c.margin) {
      EXPECT_GE(top + c.ink.top, c.margin);
      EXPECT_LE(top + c.ink.bottom, c.box - c.margin);
    }
  }
}

}  // namespace
}  // namespace tavlin
