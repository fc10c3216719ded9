#include "popup/popup_model.h"

#include <gtest/gtest.h>

#include "popup/popup_picture.h"
#include "test_support.h"

namespace tavlin {
namespace {

using fakes::FakeView;
using fakes::NotifierRig;

FakeView& ViewOf(NotifierRig& rig, size_t i) {
  return rig.factory.popups.at(i)->view;
}

TEST(PopupModelTest, SlidesUpOutOfABottomTaskbarAndEndsInItsSlot) {
  NotifierRig rig;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  ASSERT_TRUE(rig.notifier.ShowNotice());
  PopupModel& popup = rig.factory[1];
  EXPECT_EQ(popup.CurrentBounds(), (Bounds{1709, 928 - 112 + 110, 195, 1}));
  EXPECT_TRUE(popup.Running(PopupTimer::kScroll));
  EXPECT_EQ(ViewOf(rig, 1).interval[static_cast<int>(PopupTimer::kScroll)], 25);

  // One 9-pixel step every 25 ms since the slide began.
  for (int ms = 25; ms <= 300; ms += 25) {
    SCOPED_TRACE(ms);
    popup.tmrScrollTimer(ms);
    EXPECT_EQ(popup.CurrentBounds().height, 1 + 9 * ms / 25);
    EXPECT_EQ(popup.CurrentBounds().top, 816 + 110 - 9 * ms / 25);
    if (ms == 150) rig.desktop.work_area.bottom = 1000;  // the task bar grew meanwhile
  }
  EXPECT_FALSE(popup.Running(PopupTimer::kExit));
  popup.tmrScrollTimer(324);  // early: no step is due yet
  EXPECT_EQ(popup.CurrentBounds().height, 109);
  popup.tmrScrollTimer(325);
  EXPECT_EQ(popup.CurrentBounds(), (Bounds{1709, 1000 - 2 - 110 - 112, 195, 110}));
  EXPECT_FALSE(popup.Running(PopupTimer::kScroll));
  EXPECT_TRUE(popup.Running(PopupTimer::kExit));
  EXPECT_EQ(ViewOf(rig, 1).interval[static_cast<int>(PopupTimer::kExit)], 15000);

  // Hovering changes nothing without hyperlink mode.
  const Bounds label = popup.TextBounds();
  popup.lblTextMouseEnter();
  EXPECT_FALSE(popup.Hovered());
  EXPECT_EQ(popup.TextBounds(), label);

  popup.tmrExitTimer(15325);
  EXPECT_FALSE(popup.Running(PopupTimer::kExit));
  ASSERT_TRUE(popup.Running(PopupTimer::kScrollDown));
  for (int ms = 25; ms <= 300; ms += 25) {
    SCOPED_TRACE(ms);
    popup.tmrscrollDownTimer(15325 + ms);
    EXPECT_EQ(popup.CurrentBounds().height, 110 - 9 * ms / 25);
    EXPECT_FALSE(popup.Closed());
  }
  EXPECT_EQ(rig.notifier.PopupCount(), 2);
  popup.tmrscrollDownTimer(15325 + 325);
  EXPECT_TRUE(popup.Closed());
  EXPECT_TRUE(ViewOf(rig, 1).released);
  EXPECT_FALSE(ViewOf(rig, 1).visible);
  EXPECT_EQ(rig.notifier.PopupCount(), 1);
}

// A slide lasts its designed time whatever the timer's real period: 25 ms as designed, 31 ms as a
// 25 ms timer fires on Windows' 15.6 ms tick, 16 ms faster than asked. It ends at the first tick
// at or after its last step is due, so never more than one period late.
TEST(PopupModelTest, SlidesFromEveryTaskbarEdgeInTheirDesignedTime) {
  struct Edge {
    Rect taskbar;
    Rect work_area;
    Bounds collapsed;
    Bounds after_one_step;
    Bounds full;
  };
  const Edge bottom{{0, 1040, 1920, 1080},
                    {0, 0, 1920, 1040},
                    {1709, 1038, 195, 1},
                    {1709, 1029, 195, 10},
                    {1709, 928, 195, 110}};
  const Edge left{{0, 0, 40, 1080},
                  {40, 0, 1920, 1080},
                  {56, 968, 1, 110},
                  {56, 968, 10, 110},
                  {56, 968, 195, 110}};
  const Edge top{{0, 0, 1920, 40},
                 {0, 40, 1920, 1080},
                 {1709, 42, 195, 1},
                 {1709, 42, 195, 10},
                 {1709, 42, 195, 110}};
  const Edge right{{1880, 0, 1920, 1080},
                   {0, 0, 1880, 1080},
                   {1864, 968, 1, 110},
                   {1855, 968, 10, 110},
                   {1669, 968, 195, 110}};
  struct Row {
    const char* name;
    const Edge& edge;
    int interval_ms;
    int slide_ms;  // how long the slide in and the slide out each take
  };
  const Row rows[] = {
      {"bottom", bottom, 25, 325},        {"bottom, 31 ms", bottom, 31, 341},
      {"bottom, 16 ms", bottom, 16, 336}, {"left", left, 25, 550},
      {"left, 31 ms", left, 31, 558},     {"top", top, 25, 325},
      {"right", right, 25, 550},          {"right, 31 ms", right, 31, 558},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    NotifierRig rig;
    rig.desktop.taskbar = row.edge.taskbar;
    rig.desktop.work_area = row.edge.work_area;
    rig.factory.now = 1000;
    ASSERT_TRUE(rig.notifier.ShowNotice());
    PopupModel& popup = rig.factory[0];
    EXPECT_EQ(popup.CurrentBounds(), row.edge.collapsed);
    int ms = 0;
    while (popup.Running(PopupTimer::kScroll) && ms < 5000) {
      ms += row.interval_ms;
      popup.tmrScrollTimer(1000 + ms);
      // No step before 25 ms, one at the first tick after.
      if (ms < 25) {
        EXPECT_EQ(popup.CurrentBounds(), row.edge.collapsed);
      } else if (ms < 25 + row.interval_ms) {
        EXPECT_EQ(popup.CurrentBounds(), row.edge.after_one_step);
      }
    }
    EXPECT_EQ(ms, row.slide_ms);
    EXPECT_EQ(popup.CurrentBounds(), row.edge.full);

    popup.tmrExitTimer(20000);
    ms = 0;
    while (!popup.Closed() && ms < 5000) {
      ms += row.interval_ms;
      popup.tmrscrollDownTimer(20000 + ms);
    }
    EXPECT_EQ(ms, row.slide_ms);
    EXPECT_EQ(rig.notifier.PopupCount(), 0);
  }
}

TEST(PopupModelTest, WithoutScrollingShowsAtFullSizeAndStillSlidesOut) {
  NotifierRig rig;
  rig.notifier.Options.Exclude(TPopupOption::pnAllowScroll);
  ASSERT_TRUE(rig.notifier.ShowNotice());
  PopupModel& popup = rig.factory[0];
  EXPECT_EQ(popup.CurrentBounds(), (Bounds{1709, 928, 195, 110}));
  EXPECT_FALSE(popup.Running(PopupTimer::kScroll));
  EXPECT_TRUE(popup.Running(PopupTimer::kExit));
  EXPECT_TRUE(ViewOf(rig, 0).visible);
  popup.tmrExitTimer(15000);
  popup.tmrscrollDownTimer(15025);
  EXPECT_EQ(popup.CurrentBounds(), (Bounds{1709, 937, 195, 101}));

  // A stay too long for a timer is cut to the longest one, not wrapped round to a short one.
  rig.notifier.TimeOut = 5'000'000;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(ViewOf(rig, 1).interval[static_cast<int>(PopupTimer::kExit)], 2147483647);
}

TEST(PopupModelTest, ATimeOutOfZeroStaysUntilClicked) {
  NotifierRig rig;
  rig.notifier.TimeOut = 0;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  PopupModel& popup = rig.factory[0];
  EXPECT_EQ(fakes::SlideIn(popup), 13);
  EXPECT_FALSE(popup.Running(PopupTimer::kExit));
  EXPECT_EQ(ViewOf(rig, 0).timer_starts[static_cast<int>(PopupTimer::kExit)], 0);
  EXPECT_FALSE(popup.Closed());
  popup.lblTextClick();
  EXPECT_TRUE(popup.Closed());
  EXPECT_EQ(rig.notifier.PopupCount(), 0);
}

TEST(PopupModelTest, ClicksCloseAndRaiseTheRightEvents) {
  NotifierRig rig;
  std::vector<std::string> events;
  rig.notifier.OnClick = [&](const PopupSender& sender) {
    events.push_back(sender.popup != nullptr ? "click by popup" : "click by notifier");
  };

  // A click while it still slides in closes it at once and counts it out.
  ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.factory[0].tmrScrollTimer(25);
  rig.factory[0].lblTextClick();
  EXPECT_TRUE(rig.factory[0].Closed());
  EXPECT_FALSE(rig.factory[0].Running(PopupTimer::kScroll));
  EXPECT_EQ(rig.notifier.PopupCount(), 0);

  ASSERT_TRUE(rig.notifier.ShowNotice());
  PopupModel& second = rig.factory[1];
  second.lblTextMouseUp(MouseButton::kMiddle);
  second.lblTextMouseUp(MouseButton::kLeft);
  EXPECT_FALSE(second.Closed());
  second.lblTitleMouseUp(MouseButton::kMiddle);
  EXPECT_TRUE(second.Closed());

  ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.factory[2].lblTextMouseUp(MouseButton::kRight);
  EXPECT_TRUE(rig.factory[2].Closed());
  ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.factory[3].imgIconMouseUp(MouseButton::kLeft);
  EXPECT_TRUE(rig.factory[3].Closed());

  EXPECT_EQ(events, (std::vector<std::string>{"click by popup", "click by notifier",
                                              "click by notifier", "click by notifier"}));
  EXPECT_EQ(rig.notifier.PopupCount(), 0);
}

TEST(PopupModelTest, AHandlerThatClosesThePopupOnlyHidesItUntilTheEventEnds) {
  NotifierRig rig;
  rig.notifier.OnClick = [&](const PopupSender&) {
    PopupModel& popup = rig.factory[0];
    EXPECT_FALSE(popup.FreeOnClose());
    popup.Close();
    EXPECT_FALSE(popup.Closed());
    EXPECT_FALSE(rig.factory.popups[0]->view.visible);
    EXPECT_EQ(rig.notifier.PopupCount(), 2);
  };
  ASSERT_TRUE(rig.notifier.ShowNotice());
  ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.factory[0].imgGradientMouseUp(MouseButton::kLeft);
  EXPECT_TRUE(rig.factory[0].Closed());
  EXPECT_EQ(rig.notifier.PopupCount(), 1);
  rig.factory[0].Close();  // a late close counts nothing out twice
  EXPECT_EQ(rig.notifier.PopupCount(), 1);
}

TEST(PopupModelTest, HyperlinkModeHoversAndOpensTheAddress) {
  NotifierRig rig;
  rig.notifier.Options = TPopupOptions{TPopupOption::pnAllowHyperlink, TPopupOption::pnAutoOpenURL,
                                       TPopupOption::pnAllowScroll};
  rig.notifier.URL = "https://example.com/raid";
  rig.notifier.Text = "one\rtwo\rthree";
  std::string clicked;
  rig.notifier.OnURLClick = [&](const PopupSender& sender, const std::string& url) {
    clicked = (sender.popup != nullptr ? "popup " : "notifier ") + url;
  };
  ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.notifier.URL = "https://example.com/other";
  PopupModel& popup = rig.factory[0];
  FakeView& view = ViewOf(rig, 0);
  fakes::SlideIn(popup);
  EXPECT_FALSE(view.text_font.underline);
  // Three 13-pixel lines on a 189 × 104 panel: (189 − 174) / 2 = 7.5 → 8, (104 − 39) / 2 = 32.5
  // → 32, halves going to the even neighbour.
  EXPECT_EQ(popup.TextBounds(), (Bounds{8, 32, 174, 39}));

  popup.lblTextMouseEnter();
  EXPECT_TRUE(view.text_font.underline);
  EXPECT_EQ(view.text_font.colour, Colour::Rgb(0, 0, 255));
  EXPECT_TRUE(popup.Running(PopupTimer::kExit));
  popup.lblTextMouseLeave();
  EXPECT_FALSE(view.text_font.underline);

  popup.lblTextClick();
  EXPECT_EQ(clicked, "popup https://example.com/raid");
  EXPECT_EQ(view.opened_urls, std::vector<std::string>{"https://example.com/raid"});
  EXPECT_TRUE(popup.Closed());

  // Without pnAutoOpenURL the address is only reported.
  rig.notifier.Options.Exclude(TPopupOption::pnAutoOpenURL);
  ASSERT_TRUE(rig.notifier.ShowNotice());
  rig.factory[1].lblTextClick();
  EXPECT_TRUE(ViewOf(rig, 1).opened_urls.empty());
  EXPECT_EQ(clicked, "popup https://example.com/other");
}

TEST(PopupModelTest, GradientColorAtRoundsHalvesAwayFromZero) {
  const Rgb blue{153, 204, 255};
  const Rgb white{255, 255, 255};
  EXPECT_EQ(GradientColorAt(blue, white, 0, 97), blue);
  EXPECT_EQ(GradientColorAt(blue, white, 48, 97), (Rgb{203, 229, 255}));
  EXPECT_EQ(GradientColorAt(blue, white, 96, 97), (Rgb{254, 254, 255}));
  // Falling channels: 1 × (−3) / 2 = −1.5 rounds to −2.
  EXPECT_EQ(GradientColorAt(Rgb{10, 10, 10}, Rgb{7, 7, 7}, 1, 2), (Rgb{8, 8, 8}));
  EXPECT_EQ(MulDivRounded(1, 3, 2), 2);
  EXPECT_EQ(MulDivRounded(-1, 3, 2), -2);
  EXPECT_EQ(MulDivRounded(1, 3, -2), -2);
  EXPECT_EQ(MulDivRounded(1, 1, 3), 0);
}

TEST(PopupModelTest, PaintsGradientOrBackgroundImageWithTheIconOverIt) {
  NotifierRig rig;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  const FakeView& plain = ViewOf(rig, 0);
  // 189 × 104 panel: the picture lies inside the 2-pixel bevel, above the 3-pixel strip.
  ASSERT_EQ(plain.picture.width, 185);
  ASSERT_EQ(plain.picture.height, 97);
  EXPECT_EQ(plain.picture.At(0, 0), 0x99CCFFu);
  EXPECT_EQ(plain.picture.At(184, 48), 0xCBE5FFu);
  EXPECT_EQ(plain.picture.At(100, 96), 0xFEFEFFu);
  EXPECT_TRUE(plain.strip);
  EXPECT_EQ(plain.title_left, 8);

  rig.notifier.GradientOrientation = TOrientation::mbHorizontal;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(ViewOf(rig, 1).picture.At(0, 50), 0x99CCFFu);
  EXPECT_EQ(ViewOf(rig, 1).picture.At(184, 50),
            PixelOf(GradientColorAt({153, 204, 255}, {255, 255, 255}, 184, 185)));

  // A 2 × 2 tile whose bottom-left (transparent) colour is red, and a 4 × 4 icon.
  PixelBitmap tile(2, 2, 0x00FF00);
  tile.Set(0, 1, 0xFF0000);
  PixelBitmap icon(4, 4, 0x0000FF);
  icon.Set(0, 3, 0x123456);
  rig.notifier.BackgroundImage = tile;
  rig.notifier.IconBitmap = icon;
  rig.notifier.IconLeft = 20;
  rig.notifier.IconTop = 30;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  const FakeView& tiled = ViewOf(rig, 2);
  EXPECT_FALSE(tiled.strip);
  EXPECT_EQ(tiled.title_left, 48);
  EXPECT_EQ(tiled.picture.At(0, 0), 0x00FF00u);
  EXPECT_EQ(tiled.picture.At(182, 94), 0x00FF00u);
  EXPECT_EQ(tiled.picture.At(182, 95), 0xFFFFFFu);  // transparent: the blank canvas shows
  EXPECT_EQ(tiled.picture.At(184, 96), 0x00FF00u);  // the last tile is cut off at the edge
  EXPECT_EQ(tiled.picture.At(21, 31), 0x0000FFu);
  EXPECT_EQ(tiled.picture.At(20, 33), 0xFFFFFFu);  // the icon's transparent corner

  rig.notifier.BackgroundDrawMethod = TImageDrawMethod::dmActualSize;
  rig.notifier.IconBitmap = PixelBitmap();
  ASSERT_TRUE(rig.notifier.ShowNotice());
  EXPECT_EQ(ViewOf(rig, 3).picture.At(1, 0), 0x00FF00u);
  EXPECT_EQ(ViewOf(rig, 3).picture.At(2, 0), 0xFFFFFFu);

  rig.notifier.BackgroundDrawMethod = TImageDrawMethod::dmFit;
  ASSERT_TRUE(rig.notifier.ShowNotice());
  const PixelBitmap& fit = ViewOf(rig, 4).picture;
  EXPECT_EQ(fit.At(184, 0), 0x00FF00u);
  EXPECT_EQ(fit.At(92, 49), 0xFFFFFFu);  // top-left quarter green, bottom-left quarter clear
  EXPECT_EQ(fit.At(92, 48), 0x00FF00u);
}

TEST(PopupModelTest, TextTallerThanThePanelIsCutAtBothEnds) {
  NotifierRig rig;
  rig.notifier.Text = "1\r2\r3\r4\r5\r6\r7\r8\r9";  // 117 pixels on a 104-pixel panel
  ASSERT_TRUE(rig.notifier.ShowNotice());
  // (104 − 117) / 2 = −6.5 goes to the even −6.
  EXPECT_EQ(rig.factory[0].TextBounds(), (Bounds{8, -6, 174, 117}));
  EXPECT_EQ(HalfRoundedToEven(-13), -6);
  EXPECT_EQ(HalfRoundedToEven(-15), -8);
  EXPECT_EQ(HalfRoundedToEven(13), 6);
  EXPECT_EQ(HalfRoundedToEven(15), 8);
}

TEST(PopupModelTest, MovesToAnotherDisplayAndPullsBackAtItsEdges) {
  const Rect primary{0, 0, 1920, 1080};
  const Rect small{-1024, 0, 0, 768};
  EXPECT_EQ(MoveToDisplay(Bounds{100, 50, 195, 110}, primary, small), (Bounds{-924, 50, 195, 110}));
  EXPECT_EQ(MoveToDisplay(Bounds{1709, 928, 195, 110}, primary, small),
            (Bounds{-195, 658, 195, 110}));
}

TEST(PopupModelTest, WindowStyleFollowsTheSystemVersion) {
  struct Row {
    bool nt;
    unsigned major, minor;
    bool no_activate, drop_shadow;
  };
  const Row rows[] = {
      {true, 4, 0, false, false},  {true, 3, 51, false, false}, {true, 5, 0, true, false},
      {true, 5, 1, true, true},    {true, 6, 0, true, true},    {true, 10, 0, true, true},
      {false, 4, 10, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.major) + "." + std::to_string(row.minor));
    const PopupWindowStyle style = PopupStyleFor(row.nt, row.major, row.minor);
    EXPECT_EQ(style.no_activate, row.no_activate);
    EXPECT_EQ(style.drop_shadow, row.drop_shadow);
  }
}

}  // namespace
}  // namespace tavlin
