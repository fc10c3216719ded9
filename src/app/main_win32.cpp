// app/ holds the program entry, its start-up order and the program's resources.
// Program entry: a second start only shows the running strip; otherwise the strip first (it is the
// main window), then the timetable window, then the message loop until the strip closes.
#include <windows.h>

#include <commctrl.h>

#include "alarms/alarm_service.h"
#include "app/notifier_announcer_win32.h"
#include "app/single_instance_win32.h"
#include "base/file_system.h"
#include "clock/clock_tick.h"
#include "strip/strip_window_win32.h"
#include "timetable/timetable_window_win32.h"
#include "win32/fault_sink_win32.h"

namespace {

// How long a second start looks for the strip of a first one that has only just started; the
// second start ends then, found or not.
constexpr DWORD kWaitForRunningStripMs = 500;

int RunStrip() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  tavlin::RealFileSystem files;
  // The window's text is the program's title: the task bar and screen readers show it.
  tavlin::StripWindow strip(files);
  // Its creation failed and has been reported: there is nothing to run.
  if (strip.hwnd() == nullptr) return 1;
  // Not owned by the strip: an owned window always stays above its owner, and the strip's
  // ten-second top-most placement must be able to come back over the timetable.
  tavlin::TimetableWindow timetable(nullptr);
  strip.set_timetable_link(&timetable);

  tavlin::NotifierAnnouncer announcer(strip.notifier1());
  // The alarm list lives beside the program, whatever the working directory.
  tavlin::AlarmService alarms(
      files, announcer, tavlin::ExecutableDirectory(),
      [&strip](const std::string& text) { strip.ShowReport(text); },
      [] {
        // Stands still while the system sleeps (the tick count would not): a sleep shows as
        // wall time that this clock did not see.
        ULONGLONG awake = 0;
        QueryUnbiasedInterruptTime(&awake);
        return static_cast<int64_t>(awake / 10000);
      });
  strip.set_alarm_link(&alarms);
  // A fault in any window from here on reaches the player as the strip's reports do; it goes
  // before the windows do.
  tavlin::ScopedFaultSink faults([&strip](const std::string& text) { strip.ShowReport(text); });

  strip.Show();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // First of all, before any window or alarm list: a second start shows the running strip.
  tavlin::SingleInstance instance;
  if (instance.AnotherRuns()) {
    tavlin::AskRunningWindowToShow(tavlin::kStripWindowClass, tavlin::kShowStripRequest,
                                   kWaitForRunningStripMs);
    return 0;
  }
  try {
    return RunStrip();
  } catch (...) {
    tavlin::ReportCurrentException();
    return 1;
  }
}
