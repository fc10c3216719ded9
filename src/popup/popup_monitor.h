// Which monitor the popups rise on: the primary one, or the one that holds the main window (the
// strip), as the notifier's DefaultMonitor says.
#pragma once

#include <optional>
#include <vector>

#include "base/geometry.h"
#include "popup/popup_types.h"

namespace tavlin {

/// The monitor of `monitors` whose work area the popups use. With dmMainForm it is the monitor
/// that holds the largest part of `main_window` (a hidden window counts where it stands); when
/// none holds any of it (its monitor has gone) or for any other choice, it is the primary
/// monitor, whose top-left corner is the screen's origin (the first monitor when none is).
/// Nothing when the system lists no monitor.
std::optional<MonitorPlace> PopupMonitor(TDefaultMonitor choice, const Rect& main_window,
                                         const std::vector<MonitorPlace>& monitors);

}  // namespace tavlin
