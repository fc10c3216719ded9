#include "ui/report_queue.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

// One script of reports coming, boxes opening and boxes closing; each step says what the strip
// sees: whether a report was queued, and what the next box would show.
TEST(ReportQueueTest, OneBoxAtATimeAndNoTextTwice) {
  enum Event { kAdd, kNext, kClosed };
  const struct {
    Event event;
    std::string text;  // kAdd: the report; kNext: the box's text, "" for no box
    bool queued;       // kAdd: whether it was queued
  } steps[] = {
      // clang-format off
      {kNext,   "",  false},  // nothing waits
      {kAdd,    "A", true},
      {kAdd,    "A", false},  // already waiting
      {kNext,   "A", false},
      {kNext,   "",  false},  // A is open: no box inside its loop
      {kAdd,    "A", false},  // A is on screen
      {kAdd,    "B", true},
      {kAdd,    "C", true},
      {kAdd,    "B", false},  // B waits
      {kNext,   "",  false},
      {kClosed, "",  false},
      {kAdd,    "A", true},   // A was closed: it may come again
      {kNext,   "B", false},  // in the order they came
      {kClosed, "",  false},
      {kNext,   "C", false},
      {kClosed, "",  false},
      {kNext,   "A", false},
      {kClosed, "",  false},
      {kNext,   "",  false},
      // clang-format on
  };
  ReportQueue queue;
  int n = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE(::testing::Message() << "step " << n++);
    switch (step.event) {
      case kAdd:
        EXPECT_EQ(queue.Add(step.text), step.queued);
        break;
      case kNext:
        EXPECT_EQ(queue.Ready(), !step.text.empty());
        EXPECT_EQ(queue.Next().value_or(""), step.text);
        break;
      case kClosed:
        queue.Closed();
        break;
    }
  }
}

}  // namespace
}  // namespace tavlin
