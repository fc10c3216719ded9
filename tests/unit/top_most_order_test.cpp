#include "ui/top_most_order.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

TEST(TopMostOrderTest, TheStripNeverCoversTavlinsOwnWindows) {
  struct Case {
    const char* what;
    bool menu_open;
    bool timetable_visible;
    TopMostSteps want;
  } cases[] = {
      {"strip alone: on top", false, false, {false, StripPlace::kTop}},
      {"timetable shown: it goes on top, the strip just below it",
       false,
       true,
       {true, StripPlace::kBelowTimetable}},
      {"menu open: nothing moves", true, false, {false, StripPlace::kStays}},
      {"menu open over a shown timetable: nothing moves", true, true, {false, StripPlace::kStays}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(KeepOnTopSteps(c.menu_open, c.timetable_visible), c.want);
  }
}

}  // namespace
}  // namespace tavlin
