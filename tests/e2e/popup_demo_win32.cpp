// Opens popup notices the way the main window's notifier does, for the popup's end-to-end cases.
//   tavlin_popup_demo.exe TITLE TEXT [TITLE TEXT ...]
// A "\r" written in TEXT as backslash-r becomes a line break, as alarms break their lines.
// The program owns an ordinary window (class PopupDemoHost) that takes the keyboard focus at
// start, so a case can check that no popup takes it away. Closing that window ends the program.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "base/wide_text.h"
#include "popup/popup_notifier.h"
#include "popup/popup_window_win32.h"

namespace {

constexpr UINT kShowNotices = WM_APP + 10;

std::vector<std::pair<std::string, std::string>> g_notices;
std::unique_ptr<tavlin::Win32PopupNotifier> g_notifier;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kShowNotices:
      for (const auto& [title, text] : g_notices) {
        tavlin::TPopupNotifier& notifier = g_notifier->Notifier();
        notifier.Title = title;
        notifier.Text = text;
        notifier.ShowNotice();
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; i + 1 < argc; i += 2) {
    g_notices.emplace_back(tavlin::WideToUtf8(argv[i]),
                           tavlin::ReplaceAll(tavlin::WideToUtf8(argv[i + 1]), "\\r", "\r"));
  }
  LocalFree(argv);

  WNDCLASSEXW host_class{};
  host_class.cbSize = sizeof host_class;
  host_class.lpfnWndProc = HostProc;
  host_class.hInstance = instance;
  host_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  host_class.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  host_class.lpszClassName = L"PopupDemoHost";
  RegisterClassExW(&host_class);
  HWND host = CreateWindowExW(0, L"PopupDemoHost", L"popup demo", WS_OVERLAPPEDWINDOW, 40, 40, 360,
                              200, nullptr, nullptr, instance, nullptr);
  if (host == nullptr) return 1;
  ShowWindow(host, SW_SHOW);
  SetForegroundWindow(host);
  SetFocus(host);

  g_notifier = std::make_unique<tavlin::Win32PopupNotifier>(host);
  tavlin::ConfigureSystemNotifier(g_notifier->Notifier());
  PostMessageW(host, kShowNotices, 0, 0);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  g_notifier.reset();
  return 0;
}
