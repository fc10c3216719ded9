#include "popup/notice_queue.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace tavlin {
namespace {

// Eleven reminders on a 1040-pixel work area: nine open, two wait. Vacated slots give no room,
// so they open, in order and each with its own title, text and colour, only when the whole column
// has left; one that comes before the queue is drained goes behind them, and nothing opens twice.
TEST(NoticeQueueTest, RefusedNoticesWaitInOrderAndOpenOnceWhenTheColumnHasLeft) {
  fakes::NotifierRig rig;
  NoticeQueue queue(rig.notifier);
  const auto add = [&](int n) {
    rig.notifier.Title = "알림 " + std::to_string(n);
    rig.notifier.Text = "본문 " + std::to_string(n);
    rig.notifier.GradientColor1 = Colour::Rgb(static_cast<uint8_t>(n), 255, 153);
    queue.ShowNotice();
  };
  const auto close = [&](size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) rig.factory[i].Close();
  };
  const struct {
    std::function<void()> step;
    size_t opened;
    size_t waiting;
  } script[] = {
      {[&] {
         for (int n = 1; n <= 11; ++n) add(n);
       },
       9, 2},
      {[&] { close(0, 1), queue.Drain(); }, 9, 2},
      {[&] { close(1, 9), add(12); }, 12, 0},
      {[&] { close(9, 12), queue.Drain(); }, 12, 0},
  };
  for (size_t row = 0; row < std::size(script); ++row) {
    SCOPED_TRACE(row);
    script[row].step();
    EXPECT_EQ(rig.factory.popups.size(), script[row].opened);
    EXPECT_EQ(queue.waiting(), script[row].waiting);
  }
  for (size_t i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    const int n = static_cast<int>(i) + 1;
    const PopupSettings& s = rig.factory[i].Settings();
    EXPECT_EQ(s.Title, "알림 " + std::to_string(n));
    EXPECT_EQ(s.Text, "본문 " + std::to_string(n));
    EXPECT_EQ(s.GradientColor1, Colour::Rgb(static_cast<uint8_t>(n), 255, 153));
  }
  EXPECT_EQ(rig.factory[9].OwnOffset(), 0);  // the new column starts at the first slot
  EXPECT_EQ(rig.notifier.Title, "알림 12");  // the caller's settings are left as they were
}

}  // namespace
}  // namespace tavlin
