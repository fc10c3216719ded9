// Tells one of tavlin's windows that its monitor's DPI has changed, as Windows does when the
// scaling changes or the window is dragged to a monitor with another scaling:
//
//   tavlin_send_dpi_change.exe CLASS DPI [FROM_DPI]
//
// sends WM_DPICHANGED with DPI to every visible top-level window of class CLASS, suggesting its
// present top-left corner with its size scaled from FROM_DPI (default: the session's LogPixels)
// to DPI. Wine cannot move a window to a monitor of another DPI, so the cases use this instead.
// The suggested rectangle is written into the target's own memory, where it reads lParam.
//
//   tavlin_send_dpi_change.exe CLASS --display|--workarea X Y
//
// moves those windows to X,Y, where a monitor that went away or a new resolution would leave
// them, and sends WM_DISPLAYCHANGE, or WM_SETTINGCHANGE for SPI_SETWORKAREA, which Wine under
// Xvfb never sends either.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

struct Target {
  const wchar_t* class_name;
  int from_dpi;
  int to_dpi;
  int sent;
  // A display change instead: the place to move to and the message to send.
  bool move = false;
  POINT to{};
  UINT message = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
};

BOOL CALLBACK Send(HWND window, LPARAM param) {
  auto& target = *reinterpret_cast<Target*>(param);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (wcscmp(name, target.class_name) != 0 || !IsWindowVisible(window)) return TRUE;
  if (target.move) {
    SetWindowPos(window, nullptr, target.to.x, target.to.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, target.message, target.wparam, target.lparam, SMTO_ABORTIFHUNG,
                        5000, &result);
    ++target.sent;
    return TRUE;
  }

  RECT now;
  GetWindowRect(window, &now);
  const RECT suggested{now.left, now.top,
                       now.left + MulDiv(now.right - now.left, target.to_dpi, target.from_dpi),
                       now.top + MulDiv(now.bottom - now.top, target.to_dpi, target.from_dpi)};
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process_id);
  if (process == nullptr) return TRUE;
  void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
  if (remote != nullptr &&
      WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr)) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(target.to_dpi, target.to_dpi),
                        reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000, &result);
    ++target.sent;
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return TRUE;
}

int SessionDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 5 && (wcscmp(argv[2], L"--display") == 0 || wcscmp(argv[2], L"--workarea") == 0)) {
    Target target{argv[1], 0, 0, 0};
    target.move = true;
    target.to = POINT{_wtoi(argv[3]), _wtoi(argv[4])};
    if (wcscmp(argv[2], L"--display") == 0) {
      HDC screen = GetDC(nullptr);
      target.message = WM_DISPLAYCHANGE;
      target.wparam = static_cast<WPARAM>(GetDeviceCaps(screen, BITSPIXEL));
      target.lparam = MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
      ReleaseDC(nullptr, screen);
    } else {
      target.message = WM_SETTINGCHANGE;
      target.wparam = SPI_SETWORKAREA;
    }
    EnumWindows(Send, reinterpret_cast<LPARAM>(&target));
    std::printf("sent %d\n", target.sent);
    return target.sent > 0 ? 0 : 1;
  }
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr,
                 "usage: tavlin_send_dpi_change CLASS DPI [FROM_DPI]\n"
                 "       tavlin_send_dpi_change CLASS --display|--workarea X Y\n");
    return 2;
  }
  Target target{argv[1], argc == 4 ? _wtoi(argv[3]) : SessionDpi(), _wtoi(argv[2]), 0};
  EnumWindows(Send, reinterpret_cast<LPARAM>(&target));
  std::printf("sent %d\n", target.sent);
  return target.sent > 0 ? 0 : 1;
}
