// clock/ holds the game clock: the schedule of double-hours, the game time and the tick.
// The once-a-second duty of the strip: real time, game time, the blink on hour changes, and the
// periodic alarm checks, top-most re-assertion and quiz line changes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

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

/// What the tick drives. The main window implements it; tests record the calls.
class StripDuties {
 public:
  virtual ~StripDuties() = default;
  virtual void ShowRealTime(const std::string& text) = 0;  ///< Panel3's caption
  virtual void ShowGameTexts(const std::string& pane, const std::string& summary) = 0;
  virtual void SetBlinking(bool on) = 0;  ///< the game-time pane's Blinking property
  virtual void LoadAlarmList() = 0;
  virtual void CheckAlarms(int32_t real_hhmm, int32_t game_hhmm, int weekday) = 0;
  virtual void KeepOnTop() = 0;  ///< SetWindowPos(HWND_TOPMOST, no move, no size, no activate)
  virtual bool QuizMode() const = 0;
  virtual void NextQuizLine() = 0;  ///< pick a quiz line, show it, fit the width
};

class ClockTick {
 public:
  explicit ClockTick(StripDuties& strip) : strip_(strip) {}

  /// The main window's creation: last hours 0, first-tick flag cleared.
  void Reset();
  /// The system's time separator for the real time shown (":" unless the locale says otherwise).
  void set_time_separator(std::string separator) { time_separator_ = std::move(separator); }
  /// "알림체크": the next tick reloads the alarm list and checks it, whatever its second.
  void RequestAlarmReload() { first_tick_done_ = false; }

  /// One tick. An exception from a duty ends the tick; state changed before it stays changed.
  void Tick(const ClockReading& now);

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

/// The one boundary where a failing tick ends: it runs the tick and decides what the player is
/// told. A failure's message is shown once, and again only after a different one; a failure that
/// was shown already where it happened (ReportedError) says nothing more. The next tick runs
/// afresh either way.
class TickFailureReport {
 public:
  /// Runs `tick` on `now`; the text to show the player, or nothing.
  std::optional<std::string> Run(ClockTick& tick, const ClockReading& now);

 private:
  RepeatFilter<std::string> shown_;
};

}  // namespace tavlin
