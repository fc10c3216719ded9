// Watches the strip's real-time text and measures how punctually it follows the wall clock.
//
//   tavlin_tick_watch.exe SECONDS [INTERVAL_MS]
//
// Reads the text of the strip's real-time panel every INTERVAL_MS (default 2) for SECONDS, from
// another process of the same session, and notes the wall-clock moment each new text first
// appears. The lag of a second is that moment less the start of the second the text shows.
// Prints one "change HH:MM:SS LAG_MS" line per new text and then a summary:
//   seconds N  lag_ms median M p95 P max X  skipped S  doubled D
// A skipped second is one the text never showed (it jumped by more than one second); a doubled
// second is one shown for more than 1.5 s, i.e. a tick that left the text as it was.
#include <windows.h>

#include <timeapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// Milliseconds since local midnight, from the system's most precise clock.
long long LocalMsOfDay() {
  FILETIME utc;
  GetSystemTimePreciseAsFileTime(&utc);
  FILETIME local;
  FileTimeToLocalFileTime(&utc, &local);
  ULARGE_INTEGER t;
  t.LowPart = local.dwLowDateTime;
  t.HighPart = local.dwHighDateTime;
  constexpr long long kMsPerDay = 86'400'000;
  return static_cast<long long>(t.QuadPart / 10'000) % kMsPerDay;
}

std::wstring TextOf(HWND window) {
  wchar_t text[64] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      500, &ignored);
  return text;
}

// "HH:MM:SS" (any one-character separator) as seconds of the day, or -1.
int SecondsOf(const std::wstring& text) {
  int h = 0, m = 0, s = 0;
  wchar_t a = 0, b = 0;
  if (text.size() != 8 || swscanf(text.c_str(), L"%2d%lc%2d%lc%2d", &h, &a, &m, &b, &s) != 5) {
    return -1;
  }
  return h * 3600 + m * 60 + s;
}

HWND g_panel = nullptr;

BOOL CALLBACK FindRealTimePanel(HWND child, LPARAM) {
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  if (wcscmp(name, L"TavlinRoundedPanel") == 0 && SecondsOf(TextOf(child)) >= 0) {
    g_panel = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tavlin_tick_watch SECONDS [INTERVAL_MS]\n");
    return 2;
  }
  const long long seconds = _wtoi(argv[1]);
  const DWORD interval = argc > 2 ? static_cast<DWORD>(_wtoi(argv[2])) : 2;
  timeBeginPeriod(1);

  for (int attempt = 0; attempt < 100 && g_panel == nullptr; ++attempt) {
    if (HWND strip = FindWindowW(L"TForm_study", nullptr)) {
      EnumChildWindows(strip, FindRealTimePanel, 0);
    }
    if (g_panel == nullptr) Sleep(100);
  }
  if (g_panel == nullptr) {
    std::fprintf(stderr, "no strip with a real-time panel\n");
    return 1;
  }

  // Wine's Sleep waits until a moment of the wall clock: a clock set back during a Sleep(2) held
  // the watch for as long as the clock went back. A wait with a timeout runs on the monotonic
  // clock, as Windows timers do.
  const HANDLE never_set = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  constexpr long long kMsPerDay = 86'400'000;
  std::vector<long long> lags;
  int skipped = 0, doubled = 0;
  int last_second = -1;
  long long last_change = 0;
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (GetTickCount64() < end) {
    const int shown = SecondsOf(TextOf(g_panel));
    const long long now = LocalMsOfDay();
    if (shown >= 0 && shown != last_second) {
      if (last_second >= 0) {
        // The text seen first was there before the watch began: it has no lag of its own.
        const long long lag = ((now - shown * 1000LL) % kMsPerDay + kMsPerDay) % kMsPerDay;
        lags.push_back(lag);
        const int step = ((shown - last_second) % 86400 + 86400) % 86400;
        if (step > 1) skipped += step - 1;
        if ((now - last_change + kMsPerDay) % kMsPerDay > 1500) ++doubled;
        std::printf("change %02d:%02d:%02d %lld\n", shown / 3600, shown / 60 % 60, shown % 60,
                    lag);
        // Line by line, so that a reader sees each change as it comes, and a watch that is
        // stopped keeps what it saw.
        std::fflush(stdout);
      }
      last_second = shown;
      last_change = now;
    }
    WaitForSingleObject(never_set, interval);
  }
  CloseHandle(never_set);
  timeEndPeriod(1);

  if (lags.empty()) {
    std::printf("seconds 0\n");
    return 1;
  }
  std::vector<long long> sorted = lags;
  std::sort(sorted.begin(), sorted.end());
  const auto at = [&](double q) {
    return sorted[std::min(sorted.size() - 1, static_cast<size_t>(q * (sorted.size() - 1) + 0.5))];
  };
  std::printf("seconds %zu  lag_ms median %lld p95 %lld max %lld  skipped %d  doubled %d\n",
              lags.size(), at(0.5), at(0.95), sorted.back(), skipped, doubled);
  std::fflush(stdout);
  return 0;
}
