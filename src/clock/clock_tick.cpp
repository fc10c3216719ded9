#include "clock/clock_tick.h"

#include <exception>

#include "base/text.h"

namespace tavlin {

int WeekdayFromSundayZero(int day_of_week) {
  return day_of_week == 0 ? 7 : day_of_week;
}

void ClockTick::Reset() {
  last_real_hour_ = 0;
  last_game_hour_ = 0;
  first_tick_done_ = false;
}

void ClockTick::Tick(const ClockReading& now) {
  strip_.ShowRealTime(TwoDigits(now.hour) + time_separator_ + TwoDigits(now.minute) +
                      time_separator_ + TwoDigits(now.second));
  const int32_t t = now.hour * 10000 + now.minute * 100 + now.second;

  if (ComputeGameTimeAt(t, game_texts_)) {
    strip_.ShowGameTexts(game_texts_.pane, game_texts_.summary);
    game_hhmm_ = game_texts_.game_hhmm;
  }

  real_hhmm_ = now.hour * 100 + now.minute;
  bool hour_changed = false;
  if (real_hhmm_ / 100 != last_real_hour_) {
    last_real_hour_ = static_cast<uint8_t>(real_hhmm_ / 100);
    hour_changed = true;
  }
  if (game_hhmm_ / 100 != last_game_hour_) {
    last_game_hour_ = static_cast<uint8_t>(game_hhmm_ / 100);
    hour_changed = true;
  }
  // Blinking lasts until three ticks after the latest change; a change found on the very tick
  // that ends a blink is stored but does not start another one.
  if (blink_counter_ > 0) {
    ++blink_counter_;
    if (blink_counter_ > 3) {
      blink_counter_ = 0;
      hour_changed = false;
      strip_.SetBlinking(false);
    }
  }
  if (hour_changed) {
    strip_.SetBlinking(true);
    blink_counter_ = 1;
  }

  if (!first_tick_done_) {
    strip_.LoadAlarmList();
    strip_.CheckAlarms(real_hhmm_, game_hhmm_, now.weekday);
    first_tick_done_ = true;
  } else if (t % 10 == 0) {
    strip_.CheckAlarms(real_hhmm_, game_hhmm_, now.weekday);
    strip_.KeepOnTop();
  }

  if (strip_.QuizMode() && t % 100 == 0) strip_.NextQuizLine();
}

std::optional<std::string> TickFailureReport::Run(ClockTick& tick, const ClockReading& now) {
  std::string message;
  try {
    tick.Tick(now);
    return std::nullopt;
  } catch (const ReportedError&) {
    return std::nullopt;  // already in front of the player
  } catch (const std::exception& error) {
    message = error.what();
  } catch (...) {
    message = "Unknown error";
  }
  if (!shown_.Admit(message)) return std::nullopt;
  return message;
}

}  // namespace tavlin
