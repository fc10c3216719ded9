#include "strip/strip_restore.h"

#include <algorithm>

#include "strip/strip_reach.h"

namespace tavlin {

std::optional<MonitorPlace> RememberedMonitor(const StripSettings& settings,
                                              const std::vector<MonitorPlace>& monitors) {
  auto found = monitors.end();
  if (settings.monitor_area) {
    found = std::find_if(monitors.begin(), monitors.end(),
                         [&](const MonitorPlace& m) { return m.area == *settings.monitor_area; });
  }
  if (found == monitors.end() && !settings.monitor.empty()) {
    found = std::find_if(monitors.begin(), monitors.end(),
                         [&](const MonitorPlace& m) { return m.device == settings.monitor; });
  }
  if (found == monitors.end()) return std::nullopt;
  return *found;
}

std::optional<int> RestoredStripDpi(const StripSettings& settings,
                                    const std::vector<MonitorPlace>& monitors) {
  if (!settings.left || !settings.top) return std::nullopt;
  const std::optional<MonitorPlace> monitor = RememberedMonitor(settings, monitors);
  if (!monitor) return std::nullopt;
  return monitor->dpi;
}

std::optional<Rect> RestoredStripRect(const StripSettings& settings, Size size, int grip_row,
                                      Size grabbable, const std::vector<MonitorPlace>& monitors) {
  if (!settings.left || !settings.top) return std::nullopt;
  const std::optional<MonitorPlace> monitor = RememberedMonitor(settings, monitors);
  if (!monitor) return std::nullopt;

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
