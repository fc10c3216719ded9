// Puts one of tavlin's windows where a change of the displays would leave it, and tells it of the
// change, as Windows does when a monitor goes away, a resolution changes or the task bar moves:
//
//   tavlin_send_display_change.exe CLASS X Y display|workarea
//
// moves every visible top-level window of class CLASS to X,Y (its size kept, no activation), then
// sends it WM_DISPLAYCHANGE (the session's colour depth and screen size) or WM_SETTINGCHANGE
// with SPI_SETWORKAREA. Wine's monitors cannot come and go under Xvfb, so the cases use this.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

struct Target {
  const wchar_t* class_name;
  int x;
  int y;
  bool work_area;
  int sent;
};

BOOL CALLBACK MoveAndTell(HWND window, LPARAM param) {
  auto& target = *reinterpret_cast<Target*>(param);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (wcscmp(name, target.class_name) != 0 || !IsWindowVisible(window)) return TRUE;

  SetWindowPos(window, nullptr, target.x, target.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  DWORD_PTR result = 0;
  if (target.work_area) {
    SendMessageTimeoutW(window, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, SMTO_ABORTIFHUNG, 5000,
                        &result);
  } else {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    SendMessageTimeoutW(window, WM_DISPLAYCHANGE, static_cast<WPARAM>(bits),
                        MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)),
                        SMTO_ABORTIFHUNG, 5000, &result);
  }
  ++target.sent;
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool display = argc == 5 && wcscmp(argv[4], L"display") == 0;
  const bool work_area = argc == 5 && wcscmp(argv[4], L"workarea") == 0;
  if (!display && !work_area) {
    std::fprintf(stderr, "usage: tavlin_send_display_change CLASS X Y display|workarea\n");
    return 2;
  }
  Target target{argv[1], _wtoi(argv[2]), _wtoi(argv[3]), work_area, 0};
  EnumWindows(MoveAndTell, reinterpret_cast<LPARAM>(&target));
  std::printf("sent %d\n", target.sent);
  return target.sent > 0 ? 0 : 1;
}
