// Which screen edge the task bar sits on, from what the shell says of it. Popups slide out of that
// edge; a wrong answer makes them slide in sideways.
#pragma once

#include <optional>

#include "base/geometry.h"
#include "popup/popup_types.h"

namespace tavlin {

/// The task bar as the shell reports it.
struct TaskbarState {
  Rect rect;     ///< where the task bar is now; an auto-hiding one hidden lies mostly off-screen
  Rect monitor;  ///< the monitor it is on
  bool auto_hide = false;
  friend bool operator==(const TaskbarState&, const TaskbarState&) = default;
};

/// The edge of the primary monitor's column the task bar sits on. Unknown when the shell did not
/// answer (nothing), for an empty or square rectangle, for a task bar on another monitor than the
/// primary one (whose top-left corner is always the screen's origin), and for a rectangle lying
/// mostly past its monitor's edge although the task bar does not hide.
TaskbarEdgeKind TaskbarEdgeOf(const std::optional<TaskbarState>& taskbar);

}  // namespace tavlin
