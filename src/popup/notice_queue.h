// Notices the notifier had no room for, kept by its caller until popups have left.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "popup/popup_notifier.h"

namespace tavlin {

/// Stands between a caller and the notifier's ShowNotice so that no notice is lost when the
/// column is full. A refused notice waits, with its own title, text and colour, and notices that
/// come while others wait go behind them. The waiting ones open, oldest first, when Drain is
/// called after popups have been counted out. Nothing is kept beyond the queue's own life.
class NoticeQueue {
 public:
  /// `notifier` must outlive the queue.
  explicit NoticeQueue(TPopupNotifier& notifier) : notifier_(notifier) {}

  /// Opens a notice with the notifier's present Title, Text and GradientColor1, unless older
  /// notices wait and cannot open yet or the notifier refuses it: then it waits behind them.
  void ShowNotice();

  /// Opens waiting notices, oldest first, each with its own title, text and colour, and stops at
  /// the first one the notifier refuses. The notifier's Title, Text and GradientColor1 are left
  /// as they were.
  void Drain();

  size_t waiting() const { return waiting_.size(); }

 private:
  struct Notice {
    std::string title;
    std::string text;
    Colour colour;
  };
  // Opens `notice` with its own settings; the notifier's are put back afterwards.
  bool Open(const Notice& notice);

  TPopupNotifier& notifier_;
  std::deque<Notice> waiting_;
};

}  // namespace tavlin
