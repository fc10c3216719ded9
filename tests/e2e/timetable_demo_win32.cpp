// Stands in for the main clock window around the timetable window, for the end-to-end cases: a
// small window in the top-left corner whose one button does what the menu item
// "게임시진->현실시간표" does. Losing activation keeps a visible timetable top-most, as the main
// window does. With the argument "--show" the timetable opens at start.
#include <windows.h>

#include <cwchar>

#include "clock/schedule.h"
#include "timetable/timetable_window_win32.h"

namespace {

constexpr wchar_t kDemoClass[] = L"TavlinTimetableDemo";
constexpr wchar_t kDemoTitle[] = L"tavlin timetable demo";
constexpr int kButtonId = 1;

tavlin::TimetableLink* g_timetable = nullptr;

LRESULT CALLBACK DemoProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == kButtonId && g_timetable) g_timetable->ShowFromMenu();
      return 0;
    case WM_ACTIVATEAPP:
      if (!wparam && g_timetable && g_timetable->Visible()) g_timetable->KeepOnTop();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DemoProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kDemoClass;
  RegisterClassExW(&wc);
  // The main window builds the schedule first; the timetable builds it again.
  tavlin::BuildSchedule();
  HWND main = CreateWindowExW(0, kDemoClass, kDemoTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                              0, 240, 80, nullptr, nullptr, instance, nullptr);
  RECT client;
  GetClientRect(main, &client);
  CreateWindowExW(0, L"BUTTON", L"게임시진->현실시간표", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0,
                  0, client.right, client.bottom, main,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), instance, nullptr);

  // No owner: an owned window stays above its owner, and the strip must be able to come back on
  // top of the timetable.
  tavlin::TimetableWindow timetable(nullptr);
  g_timetable = &timetable;
  ShowWindow(main, SW_SHOWNORMAL);
  if (command_line && std::wcsstr(command_line, L"--show")) timetable.ShowFromMenu();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  g_timetable = nullptr;
  return 0;
}
