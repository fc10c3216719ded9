// Keeps a fault that repeats every second from reaching the player every second.
#pragma once

#include <optional>
#include <utility>

namespace tavlin {

/// Lets a report through unless it equals the one let through last (since the last Reset).
template <class Report>
class RepeatFilter {
 public:
  /// True, and `report` becomes the last one, unless it equals the last one let through.
  bool Admit(Report report) {
    if (last_ == report) return false;
    last_ = std::move(report);
    return true;
  }
  /// Forgets the last report: the next one is let through whatever it is.
  void Reset() { last_.reset(); }

 private:
  std::optional<Report> last_;
};

}  // namespace tavlin
