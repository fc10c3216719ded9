#include "clock/clock_tick.h"

#include <exception>

#include "base/text.h"

namespace tavlin {

namespace {

DutyOutcome FailureOfCurrentException() {
  try {
    throw;
  } catch (const ReportedError&) {
    return {DutyOutcome::State::kFailedShown, {}};
  } catch (const std::exception& error) {
    return {DutyOutcome::State::kFailed, error.what()};
  } catch (...) {
    return {DutyOutcome::State::kFailed, "Unknown error"};
  }
}

// Runs one duty of the tick into `outcome`. A duty run twice in a tick (the blink's stop and
// start) keeps its first failure.
template <class Duty>
void Attempt(TickOutcome& outcome, TickDuty duty, Duty&& run) {
  DutyOutcome& slot = outcome[static_cast<size_t>(duty)];
  try {
    run();
    if (slot.state == DutyOutcome::State::kNotDue) slot.state = DutyOutcome::State::kDone;
  } catch (...) {
    if (slot.state == DutyOutcome::State::kNotDue || slot.state == DutyOutcome::State::kDone) {
      slot = FailureOfCurrentException();
    }
  }
}

}  // namespace

int WeekdayFromSundayZero(int day_of_week) {
  return day_of_week == 0 ? 7 : day_of_week;
}

void ClockTick::Reset() {
  last_real_hour_ = 0;
  last_game_hour_ = 0;
  first_tick_done_ = false;
}

TickOutcome ClockTick::Tick(const ClockReading& now) {
  // Each duty fails on its own: a list that cannot be loaded must not freeze the quiz line or
  // keep the strip from coming back on top, and a failed text must not stop the alarms.
  TickOutcome outcome;
  Attempt(outcome, TickDuty::kTexts, [&] {
    strip_.ShowRealTime(TwoDigits(now.hour) + time_separator_ + TwoDigits(now.minute) +
                        time_separator_ + TwoDigits(now.second));
  });
  const int32_t t = now.hour * 10000 + now.minute * 100 + now.second;

  if (ComputeGameTimeAt(t, game_texts_)) {
    Attempt(outcome, TickDuty::kTexts,
            [&] { strip_.ShowGameTexts(game_texts_.pane, game_texts_.summary); });
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
      Attempt(outcome, TickDuty::kBlink, [&] { strip_.SetBlinking(false); });
    }
  }
  if (hour_changed) {
    Attempt(outcome, TickDuty::kBlink, [&] { strip_.SetBlinking(true); });
    blink_counter_ = 1;
  }

  // The tick that loads the list leaves the top-most placement to the next :x0 tick; while the
  // load keeps failing, every tick loads again and the :x0 ones still put the strip on top.
  bool loaded = false;
  if (!first_tick_done_) {
    Attempt(outcome, TickDuty::kAlarms, [&] {
      strip_.LoadAlarmList();
      strip_.CheckAlarms(real_hhmm_, game_hhmm_, now);
      first_tick_done_ = true;
      loaded = true;
    });
  } else if (t % 10 == 0) {
    Attempt(outcome, TickDuty::kAlarms, [&] { strip_.CheckAlarms(real_hhmm_, game_hhmm_, now); });
  }
  if (t % 10 == 0 && !loaded) Attempt(outcome, TickDuty::kKeepOnTop, [&] { strip_.KeepOnTop(); });

  if (t % 100 == 0) {
    Attempt(outcome, TickDuty::kQuiz, [&] {
      if (strip_.QuizMode()) strip_.NextQuizLine();
    });
  }
  return outcome;
}

std::vector<std::string> TickFailureReport::Run(ClockTick& tick, const ClockReading& now) {
  std::vector<std::string> reports;
  TickOutcome outcome;
  try {
    outcome = tick.Tick(now);
  } catch (...) {
    // Outside every duty (the schedule lookup): the rest of this tick is lost.
    DutyOutcome failure = FailureOfCurrentException();
    if (failure.state == DutyOutcome::State::kFailed &&
        shown_outside_duties_.Admit(failure.message)) {
      reports.push_back(std::move(failure.message));
    }
    return reports;
  }
  shown_outside_duties_.Reset();
  for (size_t duty = 0; duty < kTickDutyCount; ++duty) {
    DutyOutcome& result = outcome[duty];
    switch (result.state) {
      case DutyOutcome::State::kDone:
        shown_[duty].Reset();  // the same failure later is news again
        break;
      case DutyOutcome::State::kFailed:
        if (shown_[duty].Admit(result.message)) reports.push_back(std::move(result.message));
        break;
      case DutyOutcome::State::kFailedShown:
      case DutyOutcome::State::kNotDue:
        break;
    }
  }
  return reports;
}

}  // namespace tavlin
