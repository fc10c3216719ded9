// Quiet when asked: the sound muted for an hour, notices held for an hour or while a program
// fills the screen, and what a held queue shows when it is let go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/geometry.h"

namespace tavlin {

/// How long "1시간 동안 소리 끄기(&M)" and "1시간 동안 알림 모아 두기(&P)" last.
constexpr int64_t kQuietSeconds = 3600;
inline constexpr char kMuteMenuText[] = "1시간 동안 소리 끄기(&M)";
inline constexpr char kHoldMenuText[] = "1시간 동안 알림 모아 두기(&P)";
inline constexpr char kHoldFullScreenMenuText[] = "전체 화면일 때 모아 두기(&F)";
/// Held notices up to this many are let go as popups of their own; more make one summary.
constexpr size_t kMostHeldPopups = 3;

/// An hour of quiet that began at a moment (seconds since 1970-01-01 00:00:00, local clock). A
/// clock set back before the start ends it too, so it never lasts longer than asked.
class QuietHour {
 public:
  void Start(int64_t now) { until_ = now + kQuietSeconds; }
  void Stop() { until_ = 0; }
  bool On(int64_t now) const { return now < until_ && now >= until_ - kQuietSeconds; }
  int64_t until() const { return until_; }

 private:
  int64_t until_ = 0;
};

/// The mute item's text at `now`: "소리 끔 · 22:35까지(&M)" while `mute` is on, kMuteMenuText
/// otherwise.
std::string MuteMenuText(const QuietHour& mute, int64_t now);

/// A notice kept back while notices are held.
struct HeldNotice {
  int64_t at = 0;  ///< when it came (as QuietHour)
  std::string title;
  std::string text;
  uint32_t colour = 0;
  friend bool operator==(const HeldNotice&, const HeldNotice&) = default;
};

/// What letting the held notices go shows: the notices themselves, oldest first, each its own
/// popup, with one sound for them all, when there are kMostHeldPopups or fewer; otherwise one
/// popup titled "모아 둔 알림 N개" listing "hh:mm 제목" for each, as many as `max_lines` lets
/// fit, the last line then "외 K개".
std::vector<HeldNotice> ReleaseHeldNotices(std::vector<HeldNotice> held, int max_lines,
                                           uint32_t summary_colour);

/// The buttons of the question asked when tavlin is ending while notices are held.
inline constexpr char kShowHeldNowButton[] = "지금 보기";
inline constexpr char kEndAnywayButton[] = "그냥 종료";

/// That question, for `held` notices held: they live in memory only and would be lost.
std::string HeldOnEndingText(size_t held);

/// What the foreground window is, as far as holding notices goes.
enum class ForegroundKind {
  kProgram,  ///< any other program's window
  kDesktop,  ///< the desktop or the shell (task bar, start menu): never full screen
  kTavlin,   ///< one of tavlin's own windows: never full screen
};

/// What the foreground window is, from its window class and whether tavlin's own process owns
/// it. The desktop's and the shell's windows (task bar, start menu, task switcher) cover the
/// screen without being a program in front of it; no foreground window at all counts as the
/// desktop (give an empty class).
ForegroundKind ForegroundKindOf(std::string_view class_name, bool tavlins_own);

/// True when notices are to be held because the foreground window fills its monitor: its
/// rectangle covers the whole monitor rectangle `monitor` (not only its work area). A maximised
/// window is a large window, not a full-screen one, even when an auto-hidden task bar lets it
/// cover the monitor.
bool FillsItsMonitor(ForegroundKind kind, bool maximised, const Rect& window, const Rect& monitor);

}  // namespace tavlin
