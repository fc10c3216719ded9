#include "popup/taskbar_edge.h"

#include <cstdint>

namespace tavlin {

TaskbarEdgeKind TaskbarEdgeOf(const std::optional<TaskbarState>& taskbar) {
  if (!taskbar) return TaskbarEdgeKind::kUnknown;
  const Rect& r = taskbar->rect;
  const Rect& m = taskbar->monitor;
  const int64_t width = int64_t{r.right} - r.left;
  const int64_t height = int64_t{r.bottom} - r.top;
  if (width <= 0 || height <= 0 || width == height) return TaskbarEdgeKind::kUnknown;
  // Popups stack in the primary monitor's work area: a task bar elsewhere gives them no edge.
  if (m.left != 0 || m.top != 0 || m.right <= m.left || m.bottom <= m.top) {
    return TaskbarEdgeKind::kUnknown;
  }
  // Across its thickness, the task bar's middle lies nearer the edge it sits on; sums of both
  // sides compare the middles without halving.
  const bool horizontal = width > height;
  const int64_t middle = horizontal ? int64_t{r.top} + r.bottom : int64_t{r.left} + r.right;
  const int64_t low = horizontal ? int64_t{2} * m.top : int64_t{2} * m.left;
  const int64_t high = horizontal ? int64_t{2} * m.bottom : int64_t{2} * m.right;
  // One that stays shown lies inside its monitor; only a hidden one lies mostly past its edge.
  if (!taskbar->auto_hide && (middle < low || middle > high)) return TaskbarEdgeKind::kUnknown;
  const bool near_low = middle - low < high - middle;
  if (horizontal) return near_low ? TaskbarEdgeKind::kTop : TaskbarEdgeKind::kBottom;
  return near_low ? TaskbarEdgeKind::kLeft : TaskbarEdgeKind::kRight;
}

}  // namespace tavlin
