#include "popup/popup_desktop_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "win32/dpi_win32.h"
#include "win32/system_library_win32.h"

namespace tavlin {

std::optional<Rect> Win32PopupDesktop::TaskbarRect() {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  // The shell's library is loaded with the first popup, not with the strip.
  static auto* const app_bar_message =
      LoadSystemFunction<decltype(SHAppBarMessage)>(L"shell32.dll", "SHAppBarMessage");
  if (app_bar_message == nullptr || app_bar_message(ABM_GETTASKBARPOS, &data) == 0) {
    return std::nullopt;
  }
  return Rect{data.rc.left, data.rc.top, data.rc.right, data.rc.bottom};
}

Rect Win32PopupDesktop::WorkArea() {
  RECT r{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) {
    r = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return Rect{r.left, r.top, r.right, r.bottom};
}

int Win32PopupDesktop::Dpi() {
  const Rect area = WorkArea();
  const RECT r{area.left, area.top, area.right, area.bottom};
  return DpiOfMonitor(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY));
}

bool Win32PopupDesktop::PopupWindowExists() {
  return FindWindowW(kPopupWindowClass, nullptr) != nullptr;
}

}  // namespace tavlin
