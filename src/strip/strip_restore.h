// Where the strip opens when the settings file remembers a place for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "strip/strip_settings.h"

namespace tavlin {

/// The strip's window rectangle, of `size`, at the place `settings` remember, or nothing when it
/// opens centred. The place counts only on the remembered monitor, found by its device name among
/// `monitors`; when that monitor has moved on the virtual screen since (its remembered rectangle
/// starts elsewhere), the strip moves with it. A place whose top row of panels (`grip_row` high)
/// misses that monitor altogether opens centred; otherwise KeepWithinReach with `grabbable` and
/// the work areas of all `monitors` decides.
std::optional<Rect> RestoredStripRect(const StripSettings& settings, Size size, int grip_row,
                                      Size grabbable, const std::vector<MonitorPlace>& monitors);

}  // namespace tavlin
