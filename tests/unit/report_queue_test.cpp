#include "strip/report_queue.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

// A script of reports coming and boxes opening and closing. "+A": A comes and is queued; "=A": A
// comes and is not (on screen or waiting already); ">A": the next box shows A; ">": no box opens
// (none waits, or one is open: no box inside its loop); "x": the open box closes.
TEST(ReportQueueTest, OneBoxAtATimeAndNoTextTwice) {
  const char* const steps[] = {">", "+A", "=A", ">A", ">",  "=A", "+B", "+C", "=B",
                               "x", "+A", ">B", "x",  ">C", "x",  ">A", "x",  ">"};
  ReportQueue queue;
  for (const std::string step : steps) {
    SCOPED_TRACE(step);
    const std::string text = step.substr(1);
    if (step[0] == '+' || step[0] == '=') {
      EXPECT_EQ(queue.Add(text), step[0] == '+');
    } else if (step[0] == '>') {
      EXPECT_EQ(queue.Ready(), !text.empty());
      EXPECT_EQ(queue.Next().value_or(""), text);
    } else {
      queue.Closed();
    }
  }
}

}  // namespace
}  // namespace tavlin
