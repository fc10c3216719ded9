#include "popup/popup_notifier.h"

#include <gtest/gtest.h>

#include "popup/notice_queue.h"
#include "popup/popup_monitor.h"
#include "test_support.h"

namespace tavlin {
namespace {

using fakes::NotifierRig;

TEST(PopupNotifierTest, TaskbarEdgeComesFromTheTaskbarItsMonitorAndWhetherItHides) {
  const Rect screen{0, 0, 1920, 1080};
  struct Row {
    const char* name;
    std::optional<Rect> taskbar;
    Rect monitor;
    bool auto_hide;
    TaskbarEdgeKind edge;
  };
  const Row rows[] = {
      {"bottom", Rect{0, 1040, 1920, 1080}, screen, false, TaskbarEdgeKind::kBottom},
      {"right", Rect{1880, 0, 1920, 1080}, screen, false, TaskbarEdgeKind::kRight},
      {"top", Rect{0, 0, 1920, 40}, screen, false, TaskbarEdgeKind::kTop},
      {"left", Rect{0, 0, 40, 1080}, screen, false, TaskbarEdgeKind::kLeft},
      {"Wine's one-pixel bar", Rect{0, 799, 1280, 800}, Rect{0, 0, 1280, 800}, false,
       TaskbarEdgeKind::kBottom},
      {"overhanging the screen", Rect{-2, -2, 1922, 42}, screen, false, TaskbarEdgeKind::kTop},
      {"auto-hide bottom, shown", Rect{0, 1040, 1920, 1080}, screen, true,
       TaskbarEdgeKind::kBottom},
      {"auto-hide bottom, hidden", Rect{0, 1078, 1920, 1118}, screen, true,
       TaskbarEdgeKind::kBottom},
      {"auto-hide top, hidden", Rect{0, -38, 1920, 2}, screen, true, TaskbarEdgeKind::kTop},
      {"auto-hide left, hidden", Rect{-58, 0, 2, 1080}, screen, true, TaskbarEdgeKind::kLeft},
      {"mostly off-screen but not hiding", Rect{0, -38, 1920, 2}, screen, false,
       TaskbarEdgeKind::kUnknown},
      {"on a monitor right of the primary", Rect{1920, 1040, 3840, 1080}, Rect{1920, 0, 3840, 1080},
       false, TaskbarEdgeKind::kUnknown},
      {"degenerate", Rect{0, 0, 0, 0}, screen, false, TaskbarEdgeKind::kUnknown},
      {"failed query", std::nullopt, screen, false, TaskbarEdgeKind::kUnknown},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    NotifierRig rig;
    rig.desktop.taskbar = row.taskbar;
    rig.desktop.monitor = row.monitor;
    rig.desktop.auto_hide = row.auto_hide;
    EXPECT_EQ(rig.notifier.TaskbarEdge(), row.edge);
  }
}

TEST(PopupNotifierTest, NinePopupsStackUpFromABottomTaskbarAndTheTenthIsRefused) {
  NotifierRig rig;
  const int tops[] = {928, 816, 704, 592, 480, 368, 256, 144, 32};
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(rig.notifier.ShowNotice());
    fakes::SlideIn(rig.factory[i]);
    const Bounds& b = rig.factory[i].CurrentBounds();
    EXPECT_EQ(b.left, 1920 - 211);
    EXPECT_EQ(b.top, tops[i]);
    EXPECT_EQ(b.width, 195);
    EXPECT_EQ(b.height, 110);
    EXPECT_EQ(rig.factory[i].OwnOffset(), 112 * i);
  }
  EXPECT_FALSE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.factory.popups.size(), 9u);
  EXPECT_EQ(rig.notifier.PopupCount(), 9);
  EXPECT_EQ(rig.notifier.CascadeOffset(), 9 * 112);
}

// At 144 DPI every figure is half as large again: 293 x 165 popups 24 pixels from the edge, slots
// 168 apart, 14-pixel steps; the room test counts with the same figures.
TEST(PopupNotifierTest, AtAHundredFortyFourDpiPopupsScaleTheirSizeSlotsAndSteps) {
  NotifierRig rig;
  rig.desktop.dpi = 144;
  const int tops[] = {872, 704, 536, 368, 200, 32};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(rig.notifier.ShowNotice());
    EXPECT_EQ(fakes::SlideIn(rig.factory[i]), 12);
    EXPECT_EQ(rig.factory[i].CurrentBounds(), (Bounds{1920 - 317, tops[i], 293, 165}));
  }
  EXPECT_FALSE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.notifier.CascadeOffset(), 6 * 168);
  const fakes::FakeView& view = rig.factory.popups[0]->view;
  EXPECT_EQ(view.text_font.height, -18);
  EXPECT_EQ(view.panel_parts, (PanelParts{3, 5, Bounds{5, 12, 48, 48}}));
}

// A popup whose monitor changes its scaling keeps its slot and how far it has risen.
TEST(PopupNotifierTest, APopupTakesANewDpiInItsOwnSlot) {
  NotifierRig rig;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  ASSERT_TRUE(rig.notifier.ShowNotice());
  fakes::SlideIn(rig.factory[0]);
  PopupModel& rising = rig.factory[1];
  for (int i = 1; i <= 6; ++i) rising.tmrScrollTimer(25 * i);
  ASSERT_EQ(rising.CurrentBounds(), (Bounds{1709, 816 + 110 - 6 * 9, 195, 55}));

  rig.factory[0].ChangeDpi(144);
  EXPECT_EQ(rig.factory[0].CurrentBounds(), (Bounds{1920 - 317, 1040 - 3 - 165, 293, 165}));
  EXPECT_TRUE(rig.factory[0].Running(PopupTimer::kExit));
  rising.ChangeDpi(144);
  EXPECT_EQ(rising.OwnOffset(), 168);
  EXPECT_EQ(rising.CurrentBounds(), (Bounds{1603, 704 + 165 - 83, 293, 83}));
  EXPECT_EQ(fakes::SlideIn(rising, 150), 6);
  EXPECT_EQ(rising.CurrentBounds(), (Bounds{1603, 704, 293, 165}));
  EXPECT_EQ(rig.factory.popups[1]->view.text_font.height, -18);
}

TEST(PopupNotifierTest, VacatedSlotsWaitForTheEndOfTheSeries) {
  NotifierRig rig;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.factory[0].imgGradientMouseUp(MouseButton::kLeft);
  rig.factory[1].imgGradientMouseUp(MouseButton::kLeft);
  EXPECT_EQ(rig.notifier.PopupCount(), 1);

  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.factory[3].OwnOffset(), 336);
  fakes::SlideIn(rig.factory[3]);
  EXPECT_EQ(rig.factory[3].CurrentBounds().top, 1040 - 112 - 336);

  rig.factory[2].imgGradientMouseUp(MouseButton::kLeft);
  rig.factory[3].imgGradientMouseUp(MouseButton::kLeft);
  EXPECT_EQ(rig.notifier.PopupCount(), 0);
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.factory[4].OwnOffset(), 0);
}

TEST(PopupNotifierTest, AMovedTaskbarStartsANewSeriesAndOldClosingsStopAtZero) {
  NotifierRig rig;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.notifier.PopupCount(), 2);

  rig.desktop.taskbar = Rect{0, 0, 1920, 40};
  rig.desktop.work_area = Rect{0, 40, 1920, 1080};
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.notifier.LastEdge(), TaskbarEdgeKind::kTop);
  EXPECT_EQ(rig.notifier.PopupCount(), 1);
  fakes::SlideIn(rig.factory[2]);
  EXPECT_EQ(rig.factory[2].CurrentBounds(), (Bounds{1920 - 211, 42, 195, 110}));
  // The old popups stay where they were.
  EXPECT_EQ(rig.factory[1].OwnOffset(), 112);

  for (int i = 0; i < 3; ++i) rig.factory[i].imgGradientMouseUp(MouseButton::kRight);
  EXPECT_EQ(rig.notifier.PopupCount(), 0);
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.notifier.PopupCount(), 1);
  EXPECT_EQ(rig.factory[3].OwnOffset(), 0);
}

TEST(PopupNotifierTest, WithoutCascadingEveryPopupTakesTheFirstSlot) {
  NotifierRig rig;
  rig.notifier.Options.Exclude(TPopupOption::pnCascadePopups);
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(rig.notifier.ShowNotice());
    EXPECT_EQ(rig.factory[i].OwnOffset(), 0);
  }
  EXPECT_EQ(rig.notifier.PopupCount(), 12);

  // Only a popup that cannot fit even in the first slot is refused, once a series is open.
  rig.desktop.work_area.bottom = 111;
  EXPECT_FALSE(rig.notifier.ShowNotice());
  rig.desktop.work_area.bottom = 112;
  EXPECT_TRUE(rig.notifier.ShowNotice());
}

TEST(PopupNotifierTest, WithoutDuplicatesASecondNoticeIsRefused) {
  NotifierRig rig;
  rig.notifier.Options.Exclude(TPopupOption::pnAllowDuplicate);
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_FALSE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.notifier.PopupCount(), 1);
  EXPECT_EQ(rig.factory.popups.size(), 1u);

  rig.factory[0].lblTitleMouseUp(MouseButton::kLeft);
  EXPECT_TRUE(rig.notifier.ShowNotice());
}

TEST(PopupNotifierTest, OpenPopupsKeepWhatTheyCopied) {
  NotifierRig rig;
  rig.notifier.Title = "알림";
  rig.notifier.Text = "사냥터 이동\r집합";
  rig.notifier.GradientColor1 = ColourFromBgr(7326463);  // a stored 0x00BBGGRR value
  ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.notifier.Title = "changed";
  rig.notifier.Text = "changed";
  rig.notifier.GradientColor1 = Colour::Rgb(153, 204, 255);

  const PopupModel& popup = rig.factory[0];
  EXPECT_EQ(popup.Settings().Title, "알림");
  EXPECT_EQ(popup.Settings().Text, "사냥터 이동\r집합");
  EXPECT_EQ(popup.Settings().GradientColor1, Colour::Rgb(255, 202, 111));
  const fakes::FakeView& view = rig.factory.popups[0]->view;
  EXPECT_EQ(view.title, "알림");
  EXPECT_EQ(view.text, "사냥터 이동\r집합");
  EXPECT_EQ(view.picture.At(0, 0), 0xFFCA6Fu);
}

TEST(PopupNotifierTest, TheFirstPopupOfASeriesOpensEvenWhenItCannotFit) {
  NotifierRig rig;
  rig.desktop.work_area = Rect{0, 0, 640, 100};
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.factory.popups.size(), 1u);
  fakes::SlideIn(rig.factory[0]);
  EXPECT_EQ(rig.factory[0].CurrentBounds().top, 100 - 112);
  EXPECT_FALSE(rig.notifier.ShowNotice());

  // Over a top task bar the column grows downwards and stops at the work area's bottom.
  NotifierRig top;
  top.desktop.taskbar = Rect{0, 0, 1920, 40};
  top.desktop.work_area = Rect{0, 40, 1920, 400};
  int opened = 0;
  while (top.notifier.ShowNotice() && opened < 20) ++opened;
  EXPECT_EQ(opened, 3);  // offsets 0, 112 and 224; 336 + 112 passes the bottom at 400
}

TEST(PopupNotifierTest, AnUnknownTaskbarStacksAsABottomOne) {
  NotifierRig rig;
  rig.desktop.taskbar = std::nullopt;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(rig.factory[1].OwnOffset(), 112);
  EXPECT_EQ(fakes::SlideIn(rig.factory[1]), 13);
  EXPECT_EQ(rig.factory[1].CurrentBounds(), (Bounds{1920 - 211, 816, 195, 110}));
  rig.desktop.work_area.bottom = 220;
  EXPECT_FALSE(rig.notifier.ShowNotice());
}

// Eleven reminders on a 1040-pixel work area: nine open, two wait. A vacated slot gives no room;
// once the whole column has left they open, before a twelfth that came meanwhile, each with its
// own title, text and colour, and nothing opens twice. The notifier keeps its own settings.
TEST(NoticeQueueTest, RefusedNoticesWaitInOrderAndOpenOnceWhenTheColumnHasLeft) {
  fakes::NotifierRig rig;
  NoticeQueue queue(rig.notifier);
  const auto add = [&](int n) {
    queue.Show({"알림 " + std::to_string(n), "본문 " + std::to_string(n),
                Colour::Rgb(static_cast<uint8_t>(n), 255, 153)});
  };
  for (int n = 1; n <= 11; ++n) add(n);
  rig.factory[0].Close();
  queue.Drain();
  EXPECT_EQ(rig.factory.popups.size(), 9u);
  EXPECT_EQ(queue.waiting(), 2u);
  for (size_t i = 1; i < 9; ++i) rig.factory[i].Close();
  add(12);
  for (size_t i = 9; i < 12; ++i) rig.factory[i].Close();
  queue.Drain();
  ASSERT_EQ(rig.factory.popups.size(), 12u);
  EXPECT_EQ(queue.waiting(), 0u);
  for (int n = 1; n <= 12; ++n) {
    const PopupSettings& s = rig.factory[static_cast<size_t>(n - 1)].Settings();
    EXPECT_EQ(s.Title + "/" + s.Text, "알림 " + std::to_string(n) + "/본문 " + std::to_string(n));
    EXPECT_EQ(s.GradientColor1, Colour::Rgb(static_cast<uint8_t>(n), 255, 153));
  }
  EXPECT_EQ(rig.factory[9].OwnOffset(), 0);  // the new column starts at the first slot
  EXPECT_EQ(rig.notifier.Title + "/" + rig.notifier.Text, "title/text");
  EXPECT_EQ(rig.notifier.GradientColor1, ColourFromBgr(kNeutralGradientColour));
  ASSERT_TRUE(rig.notifier.ShowNotice());  // a plain ShowNotice still shows the notifier's own
  EXPECT_EQ(rig.factory[12].Settings().Title, "title");
}

}  // namespace
}  // namespace tavlin

namespace tavlin {
namespace {

// The monitor whose work area popups rise in: the strip's with dmMainForm, the primary one
// otherwise and whenever the strip's monitor has gone.
TEST(PopupMonitorTest, PopupsUseTheStripsMonitorOrElseThePrimaryOne) {
  const MonitorPlace primary{"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96};
  const MonitorPlace left{"\\\\.\\DISPLAY2", {-1280, 0, 0, 1024}, {-1280, 0, 0, 984}, 144};
  const MonitorPlace above{"\\\\.\\DISPLAY3", {0, -900, 1600, 0}, {0, -900, 1600, -40}, 120};
  const std::vector<MonitorPlace> three{left, primary, above};
  const struct Row {
    const char* what;
    TDefaultMonitor choice;
    Rect strip;
    std::vector<MonitorPlace> monitors;
    std::optional<std::string> device;  // of the chosen monitor
  } rows[] = {
      {"주 모니터 with the strip elsewhere",
       TDefaultMonitor::dmDesktop,
       {-900, 40, -575, 90},
       three,
       primary.device},
      {"the strip's, on the left",
       TDefaultMonitor::dmMainForm,
       {-900, 40, -575, 90},
       three,
       left.device},
      {"the strip's, above (negative y)",
       TDefaultMonitor::dmMainForm,
       {100, -60, 425, -10},
       three,
       above.device},
      {"astride two: the one holding more of it",
       TDefaultMonitor::dmMainForm,
       {-100, 40, 225, 90},
       three,
       primary.device},
      {"its monitor has gone: the primary",
       TDefaultMonitor::dmMainForm,
       {-900, 40, -575, 90},
       {primary, above},
       primary.device},
      {"no monitor at the origin: the first",
       TDefaultMonitor::dmMainForm,
       {5000, 0, 5325, 50},
       {left, above},
       left.device},
      {"no monitor listed", TDefaultMonitor::dmMainForm, {0, 0, 325, 50}, {}, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::optional<MonitorPlace> chosen = PopupMonitor(row.choice, row.strip, row.monitors);
    ASSERT_EQ(chosen.has_value(), row.device.has_value());
    if (chosen) {
      EXPECT_EQ(chosen->device, *row.device);
    }
  }
}

}  // namespace
}  // namespace tavlin
