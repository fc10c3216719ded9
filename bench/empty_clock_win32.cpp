// The yardstick of bench/idle_cost.sh: the simplest clock a desktop can have. One top-most
// 325 x 50 layered window with the strip's colour key, a one-second timer and a paint that
// draws the time of day on a grey face. Whatever tavlin costs above this is tavlin's own.
#include <windows.h>

namespace {

constexpr COLORREF kKey = RGB(153, 0, 0);
constexpr UINT_PTR kTimer = 1;

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[16];
  const int length = wsprintfW(text, L"%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text, length, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  window_class.lpszClassName = L"TavlinEmptyClock";
  RegisterClassW(&window_class);
  HWND window =
      CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST, window_class.lpszClassName, L"empty clock",
                      WS_POPUP, 100, 100, 325, 50, nullptr, nullptr, instance, nullptr);
  SetLayeredWindowAttributes(window, kKey, 255, LWA_COLORKEY | LWA_ALPHA);
  ShowWindow(window, SW_SHOW);
  SetTimer(window, kTimer, 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
