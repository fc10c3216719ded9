#include "popup/notice_queue.h"

#include <utility>

namespace tavlin {

void NoticeQueue::ShowNotice() {
  // Behind the waiting ones, so that reminders open in the order they came.
  waiting_.push_back({notifier_.Title, notifier_.Text, notifier_.GradientColor1});
  Drain();
}

void NoticeQueue::Drain() {
  // A notice leaves the queue only once its popup is open: none is shown twice or lost.
  while (!waiting_.empty() && Open(waiting_.front())) waiting_.pop_front();
}

bool NoticeQueue::Open(const Notice& notice) {
  std::string title = std::exchange(notifier_.Title, notice.title);
  std::string text = std::exchange(notifier_.Text, notice.text);
  const Colour colour = std::exchange(notifier_.GradientColor1, notice.colour);
  const bool opened = notifier_.ShowNotice();
  notifier_.Title = std::move(title);
  notifier_.Text = std::move(text);
  notifier_.GradientColor1 = colour;
  return opened;
}

}  // namespace tavlin
