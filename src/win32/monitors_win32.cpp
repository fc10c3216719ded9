#include "win32/monitors_win32.h"

#include "base/wide_text.h"
#include "win32/dpi_win32.h"

namespace tavlin {

namespace {

Rect RectOf(const RECT& r) {
  return Rect{r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    reinterpret_cast<std::vector<MonitorPlace>*>(list)->push_back(
        {WideToUtf8(info.szDevice), RectOf(info.rcMonitor), RectOf(info.rcWork),
         DpiOfMonitor(monitor)});
  }
  return TRUE;
}

}  // namespace

std::vector<MonitorPlace> Monitors() {
  std::vector<MonitorPlace> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

std::vector<Rect> MonitorWorkAreas() {
  std::vector<Rect> areas;
  for (const MonitorPlace& monitor : Monitors()) areas.push_back(monitor.work);
  return areas;
}

MonitorPlace MonitorOf(HWND window) {
  std::vector<MonitorPlace> one;
  AddMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), nullptr, nullptr,
             reinterpret_cast<LPARAM>(&one));
  return one.empty() ? MonitorPlace{} : one.front();
}

}  // namespace tavlin
