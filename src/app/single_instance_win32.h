// One tavlin at a time in the player's session: a second start (a shortcut in Startup plus a
// click on the exe) shows the strip that runs already and ends, so no alarm fires twice.
#pragma once

#include <windows.h>

namespace tavlin {

/// The session's claim to be the running tavlin: a named mutex in the session's own namespace,
/// held for the life of the object. The first process to create it runs; every later one finds
/// it taken.
class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  /// True when another tavlin of this session took the claim first.
  bool AnotherRuns() const { return another_runs_; }

 private:
  HANDLE mutex_ = nullptr;
  bool another_runs_ = false;
};

/// Asks the running program's window of class `window_class` to show itself with `show_request`,
/// letting it come to the foreground. The other process may hold the claim but not have created
/// its window yet: the window is looked for during `wait_ms` at most. False when none came.
bool AskRunningWindowToShow(const wchar_t* window_class, UINT show_request, DWORD wait_ms);

}  // namespace tavlin
