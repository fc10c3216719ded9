// clock/ holds the game clock: the schedule of double-hours, the game time and the tick.
// The once-a-second duty of the strip: real time, game time, the blink on hour changes, and the
// periodic alarm checks, top-most re-assertion and quiz line changes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/repeat_filter.h"
#include "clock/game_time.h"

namespace tavlin {

/// One reading of the local clock; every step of a tick uses the same reading.
struct ClockReading {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 1;  ///< Monday = 1 .. Sunday = 7
  friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

/// The weekday of a clock reading from the platform's day of the week counted from Sunday = 0
/// (Sunday becomes 7).
int WeekdayFromSundayZero(int day_of_week);

/// What the tick drives. The strip host implements it; tests record the calls.
class StripDuties {
 public:
  virtual ~StripDuties() = default;
  virtual void ShowRealTime(const std::string& text) = 0;  ///< Panel3's caption
  virtual void ShowGameTexts(const std::string& pane, const std::string& summary) = 0;
  virtual void SetBlinking(bool on) = 0;  ///< the game-time pane's Blinking property
  virtual void LoadAlarmList() = 0;
  /// `now` is the tick's one reading of the clock.
  virtual void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, const ClockReading& now) = 0;
  virtual void KeepOnTop() = 0;  ///< SetWindowPos(HWND_TOPMOST, no move, no size, no activate)
  virtual bool QuizMode() const = 0;
  virtual void NextQuizLine() = 0;  ///< pick a quiz line, show it, fit the width
};

/// The duties of a tick that fail on their own: one that throws ends only itself.
enum class TickDuty {
  kTexts,      ///< the real time and the game texts
  kBlink,      ///< starting and stopping the pane's blink
  kAlarms,     ///< the load with its check at a first tick, the check at :x0 otherwise
  kKeepOnTop,  ///< the top-most placement at :x0
  kQuiz,       ///< the quiz line at :00
};
inline constexpr size_t kTickDutyCount = 5;

/// How one duty of a tick came out.
struct DutyOutcome {
  enum class State {
    kNotDue,       ///< not this tick's duty
    kDone,         ///< ran without a failure
    kFailed,       ///< threw; `message` is what the player is to be told
    kFailedShown,  ///< threw a failure the player has been shown already (ReportedError)
  };
  State state = State::kNotDue;
  std::string message;
};
using TickOutcome = std::array<DutyOutcome, kTickDutyCount>;

class ClockTick {
 public:
  explicit ClockTick(StripDuties& strip) : strip_(strip) {}

  /// The main window's creation: last hours 0, first-tick flag cleared.
  void Reset();
  /// The system's time separator for the real time shown (":" unless the locale says otherwise).
  void set_time_separator(std::string separator) { time_separator_ = std::move(separator); }
  /// "알림체크": the next tick reloads the alarm list and checks it, whatever its second.
  void RequestAlarmReload() { first_tick_done_ = false; }

  /// One tick. A duty that throws ends only itself: the tick's other duties still run, in their
  /// order. A failed alarm load leaves the first-tick flag clear, so the next tick loads again;
  /// a tick at :x0 whose load failed still puts the strip on top.
  TickOutcome Tick(const ClockReading& now);

  int32_t real_hhmm() const { return real_hhmm_; }
  int32_t game_hhmm() const { return game_hhmm_; }
  int blink_counter() const { return blink_counter_; }
  bool first_tick_done() const { return first_tick_done_; }

 private:
  StripDuties& strip_;
  int32_t real_hhmm_ = 0;
  int32_t game_hhmm_ = 0;
  uint8_t last_real_hour_ = 0;
  uint8_t last_game_hour_ = 0;
  uint8_t blink_counter_ = 0;
  bool first_tick_done_ = false;
  std::string time_separator_ = ":";
  GameTimeTexts game_texts_;  // reused every tick, so the game texts cost no allocation
};

/// Runs the tick and decides what the player is told of its failures, duty by duty. A duty's
/// failure is shown once, and again only after a different one or after that duty ran without
/// one; a failure shown already where it happened (ReportedError) says nothing more. Something
/// thrown outside every duty ends the tick and is reported the same way. The next tick runs
/// afresh either way.
class TickFailureReport {
 public:
  /// Runs `tick` on `now`; the texts to show the player, in the order of the duties.
  std::vector<std::string> Run(ClockTick& tick, const ClockReading& now);

 private:
  std::array<RepeatFilter<std::string>, kTickDutyCount> shown_;
  RepeatFilter<std::string> shown_outside_duties_;
};

}  // namespace tavlin
