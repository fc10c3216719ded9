// Program entry: the strip first (it is the main window), then the message loop until it closes.
#include <windows.h>

#include <commctrl.h>

#include "clock/file_system.h"
#include "ui/main_window_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  tavlin::RealFileSystem files;
  // The window's text is the program's title: the task bar and screen readers show it.
  tavlin::MainWindow strip(files);

  strip.Show();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
