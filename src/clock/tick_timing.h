// When the clock tick runs: just after each second of the wall clock begins, so the real time
// shown changes with the wall clock's, and no second is shown twice.
#pragma once

#include <optional>

#include "clock/clock_tick.h"

namespace tavlin {

/// The timer is aimed this far past the start of the next second: a timer that fires a little
/// early still reads the new second.
inline constexpr int kTickMarginMs = 10;

/// A reading at most this far into its second is where the timer should be: a timer that runs
/// once a second is left running from there, so an idle second restarts no timer.
inline constexpr int kOnTimeMs = 40;

/// Milliseconds from a clock reading `ms` milliseconds into its second (0..999) to kTickMarginMs
/// past the start of the next second.
int DelayToNextTick(int ms);

/// Decides, for each timer message with its clock reading, whether the tick runs and whether the
/// timer must be set again. A reading still in the second already ticked (the timer came early)
/// does not tick again: it waits for the next second. A late reading ticks at once and aims at
/// the second after it; the seconds in between are not made up. An on-time reading leaves a
/// timer that runs once a second as it is, and makes one that does not run once a second.
class TickTiming {
 public:
  struct Step {
    bool tick = false;  ///< run the tick on this reading
    int set_ms = 0;     ///< set the timer to run every set_ms from now; 0: leave it running
    friend bool operator==(const Step&, const Step&) = default;
  };

  /// The timer's first interval, for a clock read `ms` milliseconds into its second.
  int Start(int ms);
  /// A timer message read the clock as `reading`, `ms` milliseconds into its second.
  Step OnTimer(const ClockReading& reading, int ms);

 private:
  std::optional<ClockReading> last_ticked_;
  int interval_ms_ = 0;  // the running timer's interval
};

}  // namespace tavlin
