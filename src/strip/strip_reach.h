// Keeping the strip within the player's reach. The strip has no caption: when a monitor goes away,
// the resolution changes or a drag ends past a screen edge, the only way to move it again is to
// grab one of its panels, so some of them must stay inside a monitor's work area.
#pragma once

#include <vector>

#include "base/geometry.h"
#include "base/scaling.h"

namespace tavlin {

/// How much of the strip must lie in one work area for the player to grab it, at 96 DPI: a piece
/// of its top row of panels (which shows in every mode) this wide and this high.
inline constexpr Size kGrabbableAt96{48, 16};
/// The height of the strip's top row of panels at 96 DPI.
inline constexpr int kGripRowAt96 = 26;

/// Both at `dpi`.
constexpr Size GrabbableAt(int dpi) {
  return Size{ScaleToDpi(kGrabbableAt96.width, dpi), ScaleToDpi(kGrabbableAt96.height, dpi)};
}
constexpr int GripRowAt(int dpi) {
  return ScaleToDpi(kGripRowAt96, dpi);
}

/// Where the strip goes so that the player can grab it. `strip` is its window rectangle, `grip_row`
/// the height of its top row of panels and `grabbable` the least piece of that row (both at the
/// strip's DPI) that must lie in one of `work_areas`. When such a piece lies in a work area the
/// strip stays where it is; otherwise it moves, keeping its size, wholly into the work area
/// nearest to its top row (a strip wider or taller than that area keeps to its left or top edge).
/// With no work area at all it stays.
Rect KeepWithinReach(const Rect& strip, int grip_row, Size grabbable,
                     const std::vector<Rect>& work_areas);

}  // namespace tavlin
