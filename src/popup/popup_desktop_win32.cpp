#include "popup/popup_desktop_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "popup/popup_monitor.h"
#include "win32/dpi_win32.h"
#include "win32/monitors_win32.h"
#include "win32/system_library_win32.h"

namespace tavlin {

std::optional<TaskbarState> Win32PopupDesktop::Taskbar() {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  // The shell's library is loaded with the first popup, not with the strip.
  static auto* const app_bar_message =
      LoadSystemFunction<decltype(SHAppBarMessage)>(L"shell32.dll", "SHAppBarMessage");
  if (app_bar_message == nullptr || app_bar_message(ABM_GETTASKBARPOS, &data) == 0) {
    return std::nullopt;
  }
  TaskbarState state;
  state.rect = Rect{data.rc.left, data.rc.top, data.rc.right, data.rc.bottom};
  // A hidden task bar shows only a sliver of itself on its own monitor; the rest may lie on none.
  MONITORINFO info{};
  info.cbSize = sizeof info;
  const RECT m = GetMonitorInfoW(MonitorFromRect(&data.rc, MONITOR_DEFAULTTONEAREST), &info)
                     ? info.rcMonitor
                     : RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  state.monitor = Rect{m.left, m.top, m.right, m.bottom};
  APPBARDATA query{};
  query.cbSize = sizeof query;
  state.auto_hide = (app_bar_message(ABM_GETSTATE, &query) & ABS_AUTOHIDE) != 0;
  return state;
}

Rect Win32PopupDesktop::WorkArea(TDefaultMonitor monitor) {
  RECT window{};
  if (monitor == TDefaultMonitor::dmMainForm && GetWindowRect(owner_, &window)) {
    const std::optional<MonitorPlace> place = PopupMonitor(
        monitor, Rect{window.left, window.top, window.right, window.bottom}, Monitors());
    if (place) return place->work;
  }
  RECT r{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) {
    r = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return Rect{r.left, r.top, r.right, r.bottom};
}

int Win32PopupDesktop::Dpi(TDefaultMonitor monitor) {
  const Rect area = WorkArea(monitor);
  const RECT r{area.left, area.top, area.right, area.bottom};
  return DpiOfMonitor(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY));
}

bool Win32PopupDesktop::PopupWindowExists() {
  return FindWindowW(kPopupWindowClass, nullptr) != nullptr;
}

}  // namespace tavlin
