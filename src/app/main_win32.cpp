// app/ holds the program entry, its start-up order and the program's resources.
// Program entry: a second start only shows the running strip; otherwise the strip first (it is the
// main window), then the timetable window, then the message loop until the strip closes.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "alarms/alarm_service.h"
#include "alarms/quiet_gate.h"
#include "app/full_screen_win32.h"
#include "app/notifier_announcer_win32.h"
#include "app/notify_icon_win32.h"
#include "app/single_instance_win32.h"
#include "base/file_system.h"
#include "base/player_files.h"
#include "base/wide_text.h"
#include "clock/clock_tick.h"
#include "editor/alarm_editor_window_win32.h"
#include "popup/popup_window_win32.h"
#include "strip/startup_registry_win32.h"
#include "strip/strip_host.h"
#include "strip/strip_settings_file.h"
#include "strip/strip_window_win32.h"
#include "timetable/timetable_window_win32.h"
#include "win32/fault_sink_win32.h"

namespace {

// How long a second start looks for the strip of a first one that has only just started; the
// second start ends then, found or not.
constexpr DWORD kWaitForRunningStripMs = 500;

// The one place the program reads the wall clock: once per timer message, and that reading serves
// the whole tick, the alarms and their early warnings included.
tavlin::WallClockReading ReadLocalClock() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {{now.wHour, now.wMinute, now.wSecond, tavlin::WeekdayFromSundayZero(now.wDayOfWeek),
           tavlin::DaysSince1970(now.wYear, now.wMonth, now.wDay)},
          now.wMilliseconds};
}

uint64_t QuizSeed() {
  LARGE_INTEGER counter{};
  if (QueryPerformanceCounter(&counter)) return static_cast<uint64_t>(counter.QuadPart);
  return GetTickCount64();
}

// The user's time separator, as the real time is shown everywhere else on the desktop.
std::string TimeSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8) <= 1) return ":";
  return tavlin::WideToUtf8(separator);
}

// The settings file beside tavlin.exe, as the strip host reads and writes it.
class SettingsFileStore : public tavlin::StripSettingsStore {
 public:
  tavlin::StripSettings Load() const override { return file_.Load(); }
  std::optional<std::string> Save(const tavlin::StripSettings& settings) override {
    return file_.Save(settings);
  }

 private:
  tavlin::StripSettingsFile file_;
};

int RunStrip() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  tavlin::RealFileSystem files;
  SettingsFileStore settings;
  tavlin::Win32StartupRegistry startup;
  // The alarm list lives beside the program, whatever the working directory; the sound and quiz
  // files are looked for in the working directory first, then there (Windows starts a Run entry
  // in its system folder).
  const std::string program_directory = tavlin::ExecutableDirectory();
  // `Notifier1`, made once the strip is there to own its popups.
  tavlin::TPopupNotifier* popups = nullptr;
  // The strip's logic; it outlives the strip's window, which hands it every command.
  // The alarm editor is made after the host; the menu and the end reach it through these.
  std::function<void()> open_alarm_editor;
  std::function<bool()> editor_may_end;
  tavlin::StripHost host({files, settings, ReadLocalClock, QuizSeed, TimeSeparator(),
                          program_directory, &startup, tavlin::ExecutablePath(),
                          [&open_alarm_editor] {
                            if (open_alarm_editor) open_alarm_editor();
                          },
                          tavlin::ProgramFillsPopupScreen,
                          [&popups](tavlin::TDefaultMonitor monitor) {
                            if (popups != nullptr) popups->DefaultMonitor = monitor;
                          },
                          [&editor_may_end] { return !editor_may_end || editor_may_end(); }});
  // The window's text is the program's title: the task bar and screen readers show it.
  tavlin::StripWindow strip(host);
  // Its creation failed and has been reported: there is nothing to run.
  if (strip.hwnd() == nullptr) return 1;
  // Not owned by the strip: an owned window always stays above its owner, and the strip's
  // ten-second top-most placement must be able to come back over the timetable.
  tavlin::TimetableWindow timetable(nullptr);

  // `Notifier1`, whose popups belong to the strip.
  tavlin::Win32PopupNotifier notifier1(strip.hwnd());
  tavlin::ConfigureSystemNotifier(notifier1.Notifier());
  popups = &notifier1.Notifier();
  tavlin::NotifierAnnouncer announcer(notifier1.Notifier(), files, program_directory);
  // Mute and hold stand between the alarms and the popups.
  tavlin::QuietGate quiet(announcer);
  tavlin::AlarmService alarms(
      files, quiet, program_directory, [&host](const std::string& text) { host.ShowReport(text); },
      [] {
        // Stands still while the system sleeps (the tick count would not): a sleep shows as
        // wall time that this clock did not see.
        ULONGLONG awake = 0;
        QueryUnbiasedInterruptTime(&awake);
        return static_cast<int64_t>(awake / 10000);
      });
  // Not owned by the strip, so that it has its own button in the task bar. A saved list takes
  // effect at once.
  tavlin::AlarmEditorWindow editor({files, tavlin::AlarmFilePath(tavlin::ExecutableDirectory()),
                                    announcer, [&host] { return host.sound_on(); },
                                    [&alarms] { alarms.LoadSavedList(); }});
  open_alarm_editor = [&editor] { editor.ShowFromMenu(); };
  editor_may_end = [&editor] { return editor.MayEnd(); };
  // A fault in any window from here on reaches the player as the strip's reports do; it goes
  // before the windows do.
  tavlin::ScopedFaultSink faults([&host](const std::string& text) { host.ShowReport(text); });

  // The icon in the notification area, before the remembered choices: a strip remembered hidden
  // stays hidden only when the icon is there to bring it back.
  tavlin::NotifyIcon icon({[&strip] { strip.OnShowStripRequest(); },
                           [&strip](POINT at) { strip.OpenMenuAt(at); },
                           [&host](bool added) { host.OnNotifyIconPresence(added); }});

  host.Start(strip, &alarms, &timetable, &quiet);
  strip.Show();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (editor.TranslateKeys(message)) continue;
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
