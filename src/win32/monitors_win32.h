// The monitors the desktop spans, as the window code needs them.
#pragma once

#include <windows.h>

#include <vector>

#include "base/geometry.h"

namespace tavlin {

/// Every monitor attached to the desktop now. Empty when the system lists none.
std::vector<MonitorPlace> Monitors();

/// The work area of every monitor attached to the desktop now, in virtual-screen pixels.
std::vector<Rect> MonitorWorkAreas();

/// The monitor that holds most of `window` (the nearest when none does).
MonitorPlace MonitorOf(HWND window);

}  // namespace tavlin
