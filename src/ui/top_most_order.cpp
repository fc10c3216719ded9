#include "ui/top_most_order.h"

namespace tavlin {

TopMostSteps KeepOnTopSteps(bool menu_open, bool timetable_visible) {
  if (menu_open) return {};
  if (timetable_visible) return {true, StripPlace::kBelowTimetable};
  return {false, StripPlace::kTop};
}

}  // namespace tavlin
