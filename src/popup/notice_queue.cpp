#include "popup/notice_queue.h"

namespace tavlin {

void NoticeQueue::Show(const Notice& notice) {
  // Behind the waiting ones, so that reminders open in the order they came.
  waiting_.push_back(notice);
  Drain();
}

void NoticeQueue::Drain() {
  // A notice leaves the queue only once its popup is open: none is shown twice or lost.
  while (!waiting_.empty() && notifier_.ShowNotice(waiting_.front())) waiting_.pop_front();
}

}  // namespace tavlin
