#include "alarms/quiet_modes.h"

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "clock/game_minutes.h"

namespace tavlin {

namespace {

std::string HourMinute(int64_t moment) {
  const int32_t second = SecondOfDay(moment);
  return TwoDigits(second / 3600) + ":" + TwoDigits(second / 60 % 60);
}

// A popup title ends in a blank; the summary's lines do not.
std::string Trimmed(std::string title) {
  while (!title.empty() && title.back() == ' ') title.pop_back();
  return title;
}

}  // namespace

std::string MuteMenuText(const QuietHour& mute, int64_t now) {
  if (!mute.On(now)) return kMuteMenuText;
  // The access key stays with the item while its text tells the time.
  return "소리 끔 · " + HourMinute(mute.until()) + "까지(&M)";
}

std::vector<HeldNotice> ReleaseHeldNotices(std::vector<HeldNotice> held, int max_lines,
                                           uint32_t summary_colour) {
  std::stable_sort(held.begin(), held.end(),
                   [](const HeldNotice& a, const HeldNotice& b) { return a.at < b.at; });
  if (held.size() <= kMostHeldPopups) return held;
  const size_t lines = static_cast<size_t>(std::max(max_lines, 1));
  // All of them when they fit; otherwise the last line says how many more there are.
  const size_t listed = held.size() <= lines ? held.size() : lines - 1;
  HeldNotice summary;
  summary.at = held.back().at;
  summary.title = "모아 둔 알림 " + std::to_string(held.size()) + "개";
  summary.colour = summary_colour;
  for (size_t i = 0; i < listed; ++i) {
    if (i > 0) summary.text += "\r";
    summary.text += HourMinute(held[i].at) + " " + Trimmed(held[i].title);
  }
  if (listed < held.size()) {
    if (listed > 0) summary.text += "\r";
    summary.text += "외 " + std::to_string(held.size() - listed) + "개";
  }
  return {std::move(summary)};
}

std::string HeldOnEndingText(size_t held) {
  return "모아 둔 알림이 " + std::to_string(held) +
         "개 있습니다. 종료하면 이 알림은 사라집니다.\n\n"
         "[지금 보기]: 종료하지 않고 모아 둔 알림을 지금 보여 줍니다.\n"
         "[그냥 종료]: 알림을 보지 않고 종료합니다.";
}

ForegroundKind ForegroundKindOf(std::string_view class_name, bool tavlins_own) {
  if (tavlins_own) return ForegroundKind::kTavlin;
  // The desktop window itself, the desktop's icons (under Progman, or under a WorkerW once the
  // wallpaper changed), the task bars, the start menu and search, the task switchers, the
  // notification area's overflow.
  static constexpr std::string_view kShellClasses[] = {
      "",
      "#32769",
      "Progman",
      "WorkerW",
      "Shell_TrayWnd",
      "Shell_SecondaryTrayWnd",
      "DV2ControlHost",
      "Windows.UI.Core.CoreWindow",
      "MultitaskingViewFrame",
      "XamlExplorerHostIslandWindow",
      "ForegroundStaging",
      "TaskSwitcherWnd",
      "NotifyIconOverflowWindow",
      "TopLevelWindowForOverflowXamlIsland",
  };
  for (const std::string_view shell : kShellClasses) {
    if (class_name == shell) return ForegroundKind::kDesktop;
  }
  return ForegroundKind::kProgram;
}

bool FillsItsMonitor(ForegroundKind kind, bool maximised, const Rect& window, const Rect& monitor) {
  if (kind != ForegroundKind::kProgram || maximised) return false;
  return window.left <= monitor.left && window.top <= monitor.top &&
         window.right >= monitor.right && window.bottom >= monitor.bottom;
}

}  // namespace tavlin
