// The real screen for the popup notifier: the shell's task bar, the work area and the popup
// window class.
#pragma once

#include <windows.h>

#include "popup/popup_notifier.h"

namespace tavlin {

/// The window class of every popup window.
inline constexpr wchar_t kPopupWindowClass[] = L"TfrmPopUp";

class Win32PopupDesktop final : public PopupDesktop {
 public:
  /// `owner` is the main window, whose monitor dmMainForm chooses.
  explicit Win32PopupDesktop(HWND owner) : owner_(owner) {}

  /// SHAppBarMessage(ABM_GETTASKBARPOS) with the monitor the rectangle lies most on and
  /// ABM_GETSTATE's ABS_AUTOHIDE; nothing when the position query fails.
  std::optional<TaskbarState> Taskbar() override;
  /// SystemParametersInfo(SPI_GETWORKAREA), or with dmMainForm the work area of PopupMonitor.
  Rect WorkArea(TDefaultMonitor monitor) override;
  /// The DPI of the work area's monitor.
  int Dpi(TDefaultMonitor monitor) override;
  /// FindWindow by kPopupWindowClass.
  bool PopupWindowExists() override;

 private:
  HWND owner_;
};

}  // namespace tavlin
