// Notices the notifier had no room for, kept by its caller until popups have left.
#pragma once

#include <cstddef>
#include <deque>

#include "popup/popup_notifier.h"

namespace tavlin {

/// Stands between a caller and the notifier so that no notice is lost when the column is full. A
/// refused notice waits, and notices that come while others wait go behind them. The waiting ones
/// open, oldest first, when Drain is called after popups have been counted out. The notifier's
/// own Title, Text and GradientColor1 are never touched. Nothing is kept beyond the queue's life.
class NoticeQueue {
 public:
  /// `notifier` must outlive the queue.
  explicit NoticeQueue(TPopupNotifier& notifier) : notifier_(notifier) {}

  /// Opens `notice`, unless older notices wait and cannot open yet or the notifier refuses it:
  /// then it waits behind them.
  void Show(const Notice& notice);

  /// Opens waiting notices, oldest first, and stops at the first one the notifier refuses.
  void Drain();

  size_t waiting() const { return waiting_.size(); }

 private:
  TPopupNotifier& notifier_;
  std::deque<Notice> waiting_;
};

}  // namespace tavlin
