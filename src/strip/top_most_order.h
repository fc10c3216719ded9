// Where tavlin's windows go when the strip is placed on top again (at its show, when the program
// loses activation, and every ten seconds). Placed at the top of the top-most band, the strip
// would cover tavlin's own windows too: the middle rows of the timetable window (both open
// centred) and an open menu.
#pragma once

namespace tavlin {

/// Where one re-assertion puts the strip.
enum class StripPlace {
  kStays,           ///< not moved
  kTop,             ///< the top of the top-most band
  kBelowTimetable,  ///< top-most, just below the timetable
};

/// The placements one re-assertion makes, in this order.
struct TopMostSteps {
  bool raise_timetable = false;  ///< the timetable to the top of the top-most band
  StripPlace strip = StripPlace::kStays;
  friend bool operator==(const TopMostSteps&, const TopMostSteps&) = default;
};

/// `menu_open`: one of tavlin's menus is open (the strip's popup menu or the timetable's system
/// menu); the strip would cover it, so nothing moves until it closes. `timetable_visible`: the
/// timetable window is shown; it goes to the top and the strip just below it, so the player can
/// read every row, and the strip never lies over it even for a moment. `strip_on_top`: the strip
/// is top-most and no shown window lies above it; alone, it is where it would be placed, and a
/// placement that moves nothing is not made (under Wine each one costs dozens of requests).
TopMostSteps KeepOnTopSteps(bool menu_open, bool timetable_visible, bool strip_on_top);

}  // namespace tavlin
