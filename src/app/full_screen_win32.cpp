#include "app/full_screen_win32.h"

#include <windows.h>

#include "alarms/quiet_modes.h"
#include "base/wide_text.h"

namespace tavlin {

namespace {

Rect RectOf(const RECT& r) {
  return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

bool ProgramFillsPopupScreen() {
  const HWND front = GetForegroundWindow();
  wchar_t class_name[256] = {};
  DWORD process = 0;
  if (front != nullptr) {
    GetClassNameW(front, class_name, 256);
    GetWindowThreadProcessId(front, &process);
  }
  const ForegroundKind kind =
      front == GetDesktopWindow() || front == GetShellWindow()
          ? ForegroundKind::kDesktop
          : ForegroundKindOf(WideToUtf8(class_name), process == GetCurrentProcessId());
  if (kind != ForegroundKind::kProgram) return false;
  // Popups rise from the work area (the task bar's monitor), not from the foreground window's.
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
    work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT window{};
  if (!GetMonitorInfoW(MonitorFromRect(&work, MONITOR_DEFAULTTOPRIMARY), &monitor) ||
      !GetWindowRect(front, &window)) {
    return false;
  }
  return FillsItsMonitor(kind, IsZoomed(front) != FALSE, RectOf(window), RectOf(monitor.rcMonitor));
}

}  // namespace tavlin
