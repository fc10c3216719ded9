#include "app/notify_icon_win32.h"

#include <windowsx.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <utility>

#include "win32/dpi_win32.h"
#include "win32/system_library_win32.h"

namespace tavlin {

namespace {

constexpr UINT kIconId = 1;
constexpr wchar_t kTooltip[] = L"tavlin";

BOOL NotifyShell(DWORD action, NOTIFYICONDATAW* data) {
  static auto* const notify =
      LoadSystemFunction<decltype(Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
  return notify != nullptr && notify(action, data);
}

// The small icon size of the primary monitor, where the notification area is: the system's own
// figure for that DPI (Windows 10 1607 and later), or the system DPI's.
int SmallIconSize(int metric) {
  using ForDpi = int WINAPI(int, UINT);
  static auto* const for_dpi = LoadSystemFunction<ForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
  if (for_dpi == nullptr) return GetSystemMetrics(metric);
  const int dpi = DpiOfMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  return for_dpi(metric, static_cast<UINT>(dpi));
}

// Lets a message through to a tavlin that runs with higher rights than Explorer.
void AllowMessage(HWND window, UINT message) {
  using Filter = BOOL WINAPI(HWND, UINT, DWORD, void*);
  static Filter* const allow =
      LoadSystemFunction<Filter>(L"user32.dll", "ChangeWindowMessageFilterEx");
  if (allow != nullptr) allow(window, message, MSGFLT_ALLOW, nullptr);
}

NOTIFYICONDATAW IconData(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kIconId;
  return data;
}

}  // namespace

NotifyIcon::NotifyIcon(Events events) : events_(std::move(events)) {
  taskbar_created_ = RegisterWindowMessageW(L"TaskbarCreated");
  RegisterClassOnce(kNotifyIconWindowClass, 0, nullptr);
  // A top-level window that is never shown: a message-only one would miss the broadcast of
  // TaskbarCreated.
  CreateHandle(0, kNotifyIconWindowClass, kTooltip, WS_POPUP, 0, 0, 0, 0, nullptr);
  if (hwnd() == nullptr) {
    if (events_.present) events_.present(false);
    return;
  }
  AllowMessage(hwnd(), taskbar_created_);
  AllowMessage(hwnd(), kNotifyIconMessage);
  Add();
}

NotifyIcon::~NotifyIcon() {
  Remove();
}

void NotifyIcon::Add() {
  // The size the shell asks for may have changed with the scaling: the icon is made afresh.
  const HICON icon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                    SmallIconSize(SM_CXSMICON), SmallIconSize(SM_CYSMICON), 0));
  NOTIFYICONDATAW data = IconData(hwnd());
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data.uCallbackMessage = kNotifyIconMessage;
  data.hIcon = icon;
  lstrcpynW(data.szTip, kTooltip, ARRAYSIZE(data.szTip));
  // After an Explorer restart the old icon is gone with the old notification area; when the
  // shell announces itself again without having lost it (a new scaling), the icon is still there
  // and only takes the new picture.
  added_ = NotifyShell(NIM_ADD, &data) != FALSE || NotifyShell(NIM_MODIFY, &data) != FALSE;
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = icon;
  if (added_) {
    data.uVersion = NOTIFYICON_VERSION_4;
    version4_ = NotifyShell(NIM_SETVERSION, &data) != FALSE;
  }
  if (events_.present) events_.present(added_);
}

void NotifyIcon::Remove() {
  if (added_) {
    NOTIFYICONDATAW data = IconData(hwnd());
    NotifyShell(NIM_DELETE, &data);
    added_ = false;
  }
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = nullptr;
}

LRESULT NotifyIcon::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kNotifyIconMessage) {
    OnIconMessage(wparam, lparam);
    return 0;
  }
  if (message == taskbar_created_ && taskbar_created_ != 0) {
    Add();
    return 0;
  }
  return WindowBase::HandleMessage(message, wparam, lparam);
}

void NotifyIcon::OnIconMessage(WPARAM wparam, LPARAM lparam) {
  // Version 4 names the event in the low word and gives the point in wParam; the old versions
  // send the mouse message itself, and the point is where the pointer is.
  const UINT event = version4_ ? LOWORD(lparam) : static_cast<UINT>(lparam);
  POINT at{};
  if (version4_) {
    at = POINT{GET_X_LPARAM(wparam), GET_Y_LPARAM(wparam)};
  } else {
    GetCursorPos(&at);
  }
  switch (event) {
    case NIN_SELECT:
    case NIN_KEYSELECT:
      if (version4_ && events_.select) events_.select();
      return;
    case WM_LBUTTONUP:
      if (!version4_ && events_.select) events_.select();
      return;
    case WM_CONTEXTMENU:
      if (version4_ && events_.open_menu) events_.open_menu(at);
      return;
    case WM_RBUTTONUP:
      if (!version4_ && events_.open_menu) events_.open_menu(at);
      return;
    default:
      return;
  }
}

}  // namespace tavlin
