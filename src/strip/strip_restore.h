// Where the strip opens when the settings file remembers a place for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "strip/strip_settings.h"

namespace tavlin {

/// The monitor the strip was on when `settings` were written, among `monitors`, or nothing. It is
/// found by its rectangle on the virtual screen first: device names ("\\.\DISPLAY2") are
/// numbered anew after a restart, a driver update or a screen that went to sleep, while the
/// rectangle stays as long as the player keeps the arrangement. Only when no monitor has that
/// rectangle (or none was remembered) is the device name asked.
std::optional<MonitorPlace> RememberedMonitor(const StripSettings& settings,
                                              const std::vector<MonitorPlace>& monitors);

/// The DPI the strip is drawn for before it goes to its remembered place: the RememberedMonitor's,
/// or nothing when no place is remembered or its monitor is gone.
std::optional<int> RestoredStripDpi(const StripSettings& settings,
                                    const std::vector<MonitorPlace>& monitors);

/// The strip's window rectangle, of `size`, at the place `settings` remember, or nothing when it
/// opens centred. The place counts only on the RememberedMonitor, and `size`, `grip_row` and
/// `grabbable` are the strip's at that monitor's DPI; when the monitor was found by its name and
/// has moved on the virtual screen since (its remembered rectangle starts elsewhere), the strip
/// moves with it. A place whose top row of panels (`grip_row` high)
/// misses that monitor altogether opens centred; otherwise KeepWithinReach with `grabbable` and
/// the work areas of all `monitors` decides.
std::optional<Rect> RestoredStripRect(const StripSettings& settings, Size size, int grip_row,
                                      Size grabbable, const std::vector<MonitorPlace>& monitors);

}  // namespace tavlin
