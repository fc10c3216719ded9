#include "strip/top_most_order.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

TEST(TopMostOrderTest, TheStripNeverCoversTavlinsOwnWindows) {
  struct Case {
    const char* what;
    bool menu_open;
    bool timetable_visible;
    bool strip_on_top;
    TopMostSteps want;
  } cases[] = {
      {"strip alone: on top", false, false, false, {false, StripPlace::kTop}},
      {"strip alone, already on top: not placed again", false, false, true, {}},
      {"timetable shown: it goes on top, the strip just below it",
       false,
       true,
       false,
       {true, StripPlace::kBelowTimetable}},
      {"timetable shown, the strip on top: it still goes below the timetable",
       false,
       true,
       true,
       {true, StripPlace::kBelowTimetable}},
      {"menu open: nothing moves", true, false, false, {false, StripPlace::kStays}},
      {"menu open over a shown timetable: nothing moves",
       true,
       true,
       false,
       {false, StripPlace::kStays}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(KeepOnTopSteps(c.menu_open, c.timetable_visible, c.strip_on_top), c.want);
  }
}

}  // namespace
}  // namespace tavlin
