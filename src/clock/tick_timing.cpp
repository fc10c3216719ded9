#include "clock/tick_timing.h"

#include <algorithm>

namespace tavlin {

int DelayToNextTick(int ms) {
  return 1000 - std::clamp(ms, 0, 999) + kTickMarginMs;
}

TickTiming::Step TickTiming::OnTimer(const ClockReading& reading, int ms) {
  const bool tick = last_ticked_ != reading;
  if (tick) last_ticked_ = reading;
  return Step{tick, DelayToNextTick(ms)};
}

}  // namespace tavlin
