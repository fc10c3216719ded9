// The gate between the alarms and the popups while quiet is asked for: sounds dropped while
// muted, notices kept back while held, and let go once nothing holds them any more.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "alarms/alarm_check.h"
#include "alarms/quiet_modes.h"

namespace tavlin {

/// How many lines of "hh:mm 제목" the summary of held notices lists; the popup has room for
/// about this many under its title.
constexpr int kHeldSummaryLines = 5;

/// An AlarmAnnouncer in front of the real one. Notices are held while "1시간 동안 알림 모아
/// 두기(&P)" is on, or while a program fills the popups' screen with "전체 화면일 때 모아
/// 두기(&F)" checked; held notices keep the moment they came and are kept in memory only. No
/// sound plays while muted or while holding. Held notices are let go, each exactly once, by
/// ReleaseHeldNotices: at the first tick that finds nothing holding them, when the player ends
/// the hold, or when asked to show them now.
class QuietGate : public AlarmAnnouncer {
 public:
  /// `out` must outlive the gate.
  explicit QuietGate(AlarmAnnouncer& out) : out_(out) {}

  void Announce(const Notice& notice) override;
  void PlaySound() override;

  /// Once a tick, before the alarms are checked: the tick's moment (seconds as QuietHour) and
  /// whether a program now fills the popups' screen while that is to hold notices. Lets the
  /// held notices go when neither holds them any more.
  void Tick(int64_t now, bool full_screen);

  /// "1시간 동안 소리 끄기(&M)": an hour of mute from `now`, or, while muted, the end of it.
  void SwitchMute(int64_t now);
  /// "1시간 동안 알림 모아 두기(&P)": an hour of holding from `now`, or, while holding for the
  /// hour, the end of it, which lets the held notices go unless a full screen still holds them.
  void SwitchHold(int64_t now);
  /// Lets every held notice go now, whatever holds them ("지금 보기" when tavlin is ending).
  void ReleaseNow();

  bool muted() const { return mute_.On(now_); }
  bool holding_for_hour() const { return hold_.On(now_); }
  const QuietHour& mute() const { return mute_; }
  size_t held() const { return held_.size(); }

 private:
  bool holding() const { return holding_for_hour() || full_screen_; }
  void Release();

  AlarmAnnouncer& out_;
  QuietHour mute_;
  QuietHour hold_;
  bool full_screen_ = false;
  int64_t now_ = 0;
  std::vector<HeldNotice> held_;
  bool sound_held_ = false;  // a held notice came with its sound
};

}  // namespace tavlin
