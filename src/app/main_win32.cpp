// Program entry. (Until the strip exists this shows the game time computed by the core.)
#include <windows.h>

#include "clock/game_time.h"
#include "clock/schedule.h"
#include "clock/wide_text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tavlin::BuildSchedule();
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int32_t t = now.wHour * 10000 + now.wMinute * 100 + now.wSecond;
  const auto texts = tavlin::ComputeGameTime(tavlin::FindScheduleRows(t),
                                             tavlin::HhmmssToSeconds(t));
  const std::string line = texts ? texts->pane + "  " + texts->summary : "";
  MessageBoxW(nullptr, tavlin::Utf8ToWide(line).c_str(), L"Velmar+문답족보-Ondrela", MB_OK);
  return 0;
}
