#include "win32/monitors_win32.h"

namespace tavlin {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM param) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& w = info.rcWork;
    reinterpret_cast<std::vector<Rect>*>(param)->push_back(Rect{w.left, w.top, w.right, w.bottom});
  }
  return TRUE;
}

}  // namespace

std::vector<Rect> MonitorWorkAreas() {
  std::vector<Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

}  // namespace tavlin
