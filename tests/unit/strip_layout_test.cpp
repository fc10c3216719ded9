#include "strip/strip_layout.h"

#include <gtest/gtest.h>

#include "base/scaling.h"

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

}  // namespace
}  // namespace tavlin
