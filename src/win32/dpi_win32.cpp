#include "win32/dpi_win32.h"

#include "base/scaling.h"
#include "win32/gdi_win32.h"
#include "win32/system_library_win32.h"

namespace tavlin {

namespace {

// Windows 10 1607 and later.
using GetDpiForWindowFn = UINT WINAPI(HWND);
// Windows 10 1607 and later.
using AdjustWindowRectExForDpiFn = BOOL WINAPI(LPRECT, DWORD, BOOL, DWORD, UINT);
// Windows 8.1 and later, in shcore.dll: GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y).
// Windows 7 has no shcore.dll in its system folder; it must never come from anywhere else.
using GetDpiForMonitorFn = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);

int SystemDpi() {
  const WindowDC screen(nullptr);
  const int dpi = screen.dc() != nullptr ? GetDeviceCaps(screen.dc(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int DpiOfMonitor(HMONITOR monitor) {
  static const auto get_dpi_for_monitor =
      LoadSystemFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (get_dpi_for_monitor != nullptr && monitor != nullptr &&
      SUCCEEDED(get_dpi_for_monitor(monitor, 0, &x, &y)) && x > 0) {
    return static_cast<int>(x);
  }
  return SystemDpi();
}

int DpiOfWindow(HWND window) {
  static const auto get_dpi_for_window =
      LoadSystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
  if (get_dpi_for_window != nullptr && window != nullptr) {
    if (const UINT dpi = get_dpi_for_window(window); dpi > 0) return static_cast<int>(dpi);
  }
  return DpiOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD ex_style, int dpi) {
  static const auto adjust_for_dpi =
      LoadSystemFunction<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust_for_dpi != nullptr && dpi > 0 &&
      adjust_for_dpi(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi))) {
    return;
  }
  AdjustWindowRectEx(&rect, style, FALSE, ex_style);
}

HFONT CreateGulimFont(int pixel_height, int weight) {
  return CreateFontW(-pixel_height, 0, 0, 0, weight, FALSE, FALSE, FALSE, HANGEUL_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"굴림");
}

}  // namespace tavlin
