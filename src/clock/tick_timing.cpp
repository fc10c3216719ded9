#include "clock/tick_timing.h"

#include <algorithm>

namespace tavlin {

namespace {

constexpr int kSecondMs = 1000;

}  // namespace

int DelayToNextTick(int ms) {
  return kSecondMs - std::clamp(ms, 0, 999) + kTickMarginMs;
}

int TickTiming::Start(int ms) {
  interval_ms_ = DelayToNextTick(ms);
  return interval_ms_;
}

TickTiming::Step TickTiming::OnTimer(const ClockReading& reading, int ms) {
  const bool tick = last_ticked_ != reading;
  if (tick) last_ticked_ = reading;
  // Off time, the timer is aimed just past the next second; on time, it runs once a second.
  const int interval = ms <= kOnTimeMs ? kSecondMs : DelayToNextTick(ms);
  if (interval == interval_ms_) return Step{tick, 0};
  interval_ms_ = interval;
  return Step{tick, interval};
}

}  // namespace tavlin
