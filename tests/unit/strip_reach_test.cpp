#include "strip/strip_reach.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

// A 1920 x 1080 primary monitor with its task bar at the bottom, and a 1280 x 1024 monitor to its
// left whose top is 200 pixels lower.
constexpr Rect kPrimary{0, 0, 1920, 1040};
constexpr Rect kLeft{-1280, 200, 0, 1224};
constexpr Size kGrab{48, 16};
constexpr int kRow = 26;

TEST(StripReachTest, TheStripStaysWithinReach) {
  struct Case {
    const char* what;
    Rect strip;
    std::vector<Rect> areas;
    Rect want;
  } cases[] = {
      {"inside: stays", {800, 500, 1125, 550}, {kPrimary}, {800, 500, 1125, 550}},
      {"mostly off the right edge, 48 of its row left: stays",
       {1872, 500, 2197, 550},
       {kPrimary},
       {1872, 500, 2197, 550}},
      {"47 pixels left: moves in", {1873, 500, 2198, 550}, {kPrimary}, {1595, 500, 1920, 550}},
      {"row 16 pixels in at the bottom: stays",
       {800, 1024, 1125, 1074},
       {kPrimary},
       {800, 1024, 1125, 1074}},
      {"only the transparent lower band in at the top: moves down",
       {800, -30, 1125, 20},
       {kPrimary},
       {800, 0, 1125, 50}},
      {"on a monitor that is gone: into the nearest",
       {-900, 300, -575, 350},
       {kPrimary},
       {0, 300, 325, 350}},
      {"over the task bar: up into the work area",
       {800, 1050, 1125, 1100},
       {kPrimary},
       {800, 990, 1125, 1040}},
      {"in the gap beside the lower left monitor: into it",
       {-400, 100, -75, 150},
       {kPrimary, kLeft},
       {-400, 200, -75, 250}},
      {"across both monitors, grabbable on one: stays",
       {-100, 300, 225, 350},
       {kPrimary, kLeft},
       {-100, 300, 225, 350}},
      {"far below both: the nearer one",
       {-200, 3000, 125, 3050},
       {kPrimary, kLeft},
       {-325, 1174, 0, 1224}},
      {"wider than the screen (a long quiz line), row across it: stays",
       {-5000, 500, 3000, 550},
       {kPrimary},
       {-5000, 500, 3000, 550}},
      {"wider than the screen and off it: to its left edge",
       {-9000, 500, -1000, 550},
       {kPrimary},
       {0, 500, 8000, 550}},
      {"no work area known: stays", {-5000, -5000, -4675, -4950}, {}, {-5000, -5000, -4675, -4950}},
      {"an empty area is no monitor",
       {-5000, 500, -4675, 550},
       {Rect{}, kPrimary},
       {0, 500, 325, 550}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(KeepWithinReach(c.strip, kRow, kGrab, c.areas), c.want);
  }
}

}  // namespace
}  // namespace tavlin
