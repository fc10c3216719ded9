// When the clock tick runs: just after each second of the wall clock begins, so the real time
// shown changes with the wall clock's, and no second is shown twice.
#pragma once

#include <optional>

#include "clock/clock_tick.h"

namespace tavlin {

/// The timer is aimed this far past the start of the next second: a timer that fires a little
/// early still reads the new second.
inline constexpr int kTickMarginMs = 10;

/// Milliseconds from a clock reading `ms` milliseconds into its second (0..999) to kTickMarginMs
/// past the start of the next second.
int DelayToNextTick(int ms);

/// Decides, for each timer message with its clock reading, whether the tick runs and when the
/// timer is due next. A reading still in the second already ticked (the timer came early) does
/// not tick again: it waits for the next second. A late reading ticks at once and aims at the
/// second after it; the seconds in between are not made up.
class TickTiming {
 public:
  struct Step {
    bool tick = false;  ///< run the tick on this reading
    int delay_ms = 0;   ///< when the timer is due next
    friend bool operator==(const Step&, const Step&) = default;
  };

  /// A timer message read the clock as `reading`, `ms` milliseconds into its second.
  Step OnTimer(const ClockReading& reading, int ms);

 private:
  std::optional<ClockReading> last_ticked_;
};

}  // namespace tavlin
