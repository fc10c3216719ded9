// Reports for the player, one message box at a time.
#pragma once

#include <deque>
#include <optional>
#include <string>

namespace tavlin {

/// The reports waiting for the player and the one on screen. A report box runs its own message
/// loop, so a report that comes while one is open must wait for it to close instead of opening a
/// box inside it; and a text the player is reading or will read next is not queued twice.
class ReportQueue {
 public:
  /// Queues `text` unless it is on screen or already waiting. True when it was queued.
  bool Add(std::string text);

  /// The next text to show, which is on screen from now until Closed; nothing while a report is
  /// on screen or none waits.
  std::optional<std::string> Next();

  /// The report on screen has been closed.
  void Closed();

  /// True when a report waits and none is on screen: Next would give it.
  bool Ready() const { return !on_screen_ && !waiting_.empty(); }

 private:
  std::deque<std::string> waiting_;
  std::optional<std::string> on_screen_;
};

}  // namespace tavlin
