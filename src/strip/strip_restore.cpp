#include "strip/strip_restore.h"

#include <algorithm>

#include "strip/strip_reach.h"

namespace tavlin {

std::optional<Rect> RestoredStripRect(const StripSettings& settings, Size size, int grip_row,
                                      Size grabbable, const std::vector<MonitorPlace>& monitors) {
  if (!settings.left || !settings.top || settings.monitor.empty()) return std::nullopt;
  const auto monitor = std::find_if(monitors.begin(), monitors.end(), [&](const MonitorPlace& m) {
    return m.device == settings.monitor;
  });
  if (monitor == monitors.end()) return std::nullopt;

  int left = *settings.left, top = *settings.top;
  if (settings.monitor_area) {
    left += monitor->area.left - settings.monitor_area->left;
    top += monitor->area.top - settings.monitor_area->top;
  }
  const Rect strip{left, top, left + size.width, top + size.height};
  const int row_bottom = top + std::min(grip_row, size.height);
  const Rect& area = monitor->area;
  if (strip.right <= area.left || strip.left >= area.right || row_bottom <= area.top ||
      top >= area.bottom) {
    return std::nullopt;
  }
  std::vector<Rect> work_areas;
  for (const MonitorPlace& m : monitors) work_areas.push_back(m.work);
  return KeepWithinReach(strip, grip_row, grabbable, work_areas);
}

}  // namespace tavlin
