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
  return "소리 끔 · " + HourMinute(mute.until()) + "까지";
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

bool FillsItsMonitor(ForegroundKind kind, bool maximised, const Rect& window, const Rect& monitor) {
  if (kind != ForegroundKind::kProgram || maximised) return false;
  return window.left <= monitor.left && window.top <= monitor.top &&
         window.right >= monitor.right && window.bottom >= monitor.bottom;
}

}  // namespace tavlin
