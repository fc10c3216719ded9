// The DPI a window is shown at. The program is per-monitor DPI aware (its manifest says so):
// sizes are written at 96 DPI and scaled to the DPI of the monitor a window is on, and windows
// rescale themselves when WM_DPICHANGED tells them of a new one.
#pragma once

#include <windows.h>

namespace tavlin {

/// The DPI `window` is shown at: its monitor's where the system knows per-monitor DPI (Windows
/// 8.1 and later, looked up at run time), the system's otherwise (Windows 7).
int DpiOfWindow(HWND window);

/// The DPI of `monitor`, or the system's where per-monitor DPI is not known.
int DpiOfMonitor(HMONITOR monitor);

/// Grows the client rectangle `rect` into the window rectangle of a window of `style` and
/// `ex_style` (no menu bar) at `dpi`: its frame and caption as the system draws them at that DPI
/// (Windows 10 1607 and later, looked up at run time), or at the system's DPI where that is not
/// known.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD ex_style, int dpi);

/// A "굴림" font whose characters are `pixel_height` pixels high (already scaled to the window's
/// DPI), Korean character set.
HFONT CreateGulimFont(int pixel_height, int weight = FW_NORMAL);

/// The DPI WM_DPICHANGED announces.
inline int DpiOfDpiChanged(WPARAM wparam) {
  return HIWORD(wparam);
}

}  // namespace tavlin
