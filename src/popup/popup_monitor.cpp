#include "popup/popup_monitor.h"

#include <algorithm>
#include <cstdint>

namespace tavlin {

namespace {

int64_t SharedArea(const Rect& a, const Rect& b) {
  const int64_t width = int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
  const int64_t height = int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

}  // namespace

std::optional<MonitorPlace> PopupMonitor(TDefaultMonitor choice, const Rect& main_window,
                                         const std::vector<MonitorPlace>& monitors) {
  if (monitors.empty()) return std::nullopt;
  if (choice == TDefaultMonitor::dmMainForm) {
    const MonitorPlace* most = nullptr;
    int64_t most_area = 0;
    for (const MonitorPlace& monitor : monitors) {
      const int64_t area = SharedArea(monitor.area, main_window);
      if (area > most_area) most = &monitor, most_area = area;
    }
    if (most != nullptr) return *most;
  }
  for (const MonitorPlace& monitor : monitors) {
    if (monitor.area.left == 0 && monitor.area.top == 0) return monitor;
  }
  return monitors.front();
}

}  // namespace tavlin
