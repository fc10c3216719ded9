#include "strip/top_most_order.h"

namespace tavlin {

TopMostSteps KeepOnTopSteps(bool menu_open, bool timetable_visible, bool strip_on_top) {
  if (menu_open) return {};
  if (timetable_visible) return {true, StripPlace::kBelowTimetable};
  return {false, strip_on_top ? StripPlace::kStays : StripPlace::kTop};
}

}  // namespace tavlin
