// Where a C++ exception goes when it reaches a function the system calls: a window procedure, a
// timer procedure. It must not cross into the system's dispatcher, which knows nothing of C++
// exceptions; it is reported to the player instead.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "base/repeat_filter.h"
#include "base/wide_text.h"

namespace tavlin {

/// Receives the text of each fault that is to reach the player.
using FaultSink = std::function<void(const std::string& text)>;

namespace fault_detail {

struct State {
  FaultSink sink;
  // A fault that recurs at every message (a paint, a timer) reaches the player once, and again
  // only after a different one.
  RepeatFilter<std::string> shown;
};

inline State& ProcessState() {
  static State state;
  return state;
}

inline std::string TextOfCurrentException() {
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace fault_detail

/// Installs `sink` for the whole process while it lives; the previous sink comes back when it
/// ends. Without one, a fault is shown in a plain message box of its own (during start-up, before
/// the main window can take reports).
class ScopedFaultSink {
 public:
  explicit ScopedFaultSink(FaultSink sink)
      : previous_(std::exchange(fault_detail::ProcessState().sink, std::move(sink))) {}
  ~ScopedFaultSink() { fault_detail::ProcessState().sink = std::move(previous_); }
  ScopedFaultSink(const ScopedFaultSink&) = delete;
  ScopedFaultSink& operator=(const ScopedFaultSink&) = delete;

 private:
  FaultSink previous_;
};

/// Reports the exception being handled (call it inside a catch block only). Never throws.
inline void ReportCurrentException() noexcept {
  try {
    fault_detail::State& state = fault_detail::ProcessState();
    std::string text = fault_detail::TextOfCurrentException();
    if (!state.shown.Admit(text)) return;
    if (state.sink) {
      state.sink(text);
    } else {
      MessageBoxW(nullptr, Utf8ToWide(text).c_str(), nullptr, MB_OK | MB_ICONERROR);
    }
  } catch (...) {
    // Nothing is left to tell the player with.
  }
}

/// Runs `body` for a callback the system calls; an exception ends it and is reported.
template <class Body>
void RunGuarded(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    ReportCurrentException();
  }
}

}  // namespace tavlin
