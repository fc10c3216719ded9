#include "strip/report_queue.h"

#include <algorithm>

namespace tavlin {

bool ReportQueue::Add(std::string text) {
  if (on_screen_ == text) return false;
  if (std::find(waiting_.begin(), waiting_.end(), text) != waiting_.end()) return false;
  waiting_.push_back(std::move(text));
  return true;
}

std::optional<std::string> ReportQueue::Next() {
  if (!Ready()) return std::nullopt;
  on_screen_ = std::move(waiting_.front());
  waiting_.pop_front();
  return on_screen_;
}

void ReportQueue::Closed() {
  on_screen_.reset();
}

}  // namespace tavlin
