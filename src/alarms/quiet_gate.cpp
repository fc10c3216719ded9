#include "alarms/quiet_gate.h"

#include <utility>

namespace tavlin {

namespace {

// Notices come in a colour of the list's own or the neutral one, never the window-text colour.
uint32_t BgrOf(const Colour& colour) {
  return static_cast<uint32_t>(colour.r) | static_cast<uint32_t>(colour.g) << 8 |
         static_cast<uint32_t>(colour.b) << 16;
}

}  // namespace

void QuietGate::Announce(const Notice& notice) {
  if (!holding()) return out_.Announce(notice);
  held_.push_back({now_, notice.title, notice.text, BgrOf(notice.colour)});
}

void QuietGate::PlaySound() {
  if (holding()) {
    sound_held_ = true;
    return;
  }
  if (!muted()) out_.PlaySound();
}

void QuietGate::Tick(int64_t now, bool full_screen) {
  now_ = now;
  full_screen_ = full_screen;
  if (!holding()) Release();
}

void QuietGate::SwitchMute(int64_t now) {
  now_ = now;
  if (muted()) {
    mute_.Stop();
  } else {
    mute_.Start(now);
  }
}

void QuietGate::SwitchHold(int64_t now) {
  now_ = now;
  if (holding_for_hour()) {
    hold_.Stop();
    if (!holding()) Release();
  } else {
    hold_.Start(now);
  }
}

void QuietGate::ReleaseNow() {
  Release();
}

void QuietGate::Release() {
  if (held_.empty()) return;
  std::vector<HeldNotice> held = std::move(held_);
  held_.clear();
  const bool sound = sound_held_;
  sound_held_ = false;
  for (const HeldNotice& notice :
       ReleaseHeldNotices(std::move(held), kHeldSummaryLines, kNeutralAlarmColour)) {
    out_.Announce(Notice{notice.title, notice.text, ColourFromBgr(notice.colour)});
  }
  // One sound for them all, when any of them came with one and the sound is not muted.
  if (sound && !muted()) out_.PlaySound();
}

}  // namespace tavlin
