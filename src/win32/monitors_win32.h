// The monitors the desktop spans, as the window code needs them.
#pragma once

#include <windows.h>

#include <vector>

#include "base/geometry.h"

namespace tavlin {

/// The work area of every monitor attached to the desktop now (the screen less the task bar and
/// other docked bars), in virtual-screen pixels. Empty when the system lists no monitor.
std::vector<Rect> MonitorWorkAreas();

}  // namespace tavlin
