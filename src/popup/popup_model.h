// One notification popup without its window: where it is, how it slides in, stays and slides
// out, what its clicks raise and how it closes. The window around it (PopupView) draws, keeps
// the timers and turns mouse messages into the calls below.
#pragma once

#include <cstdint>
#include <string>

#include "popup/popup_notifier.h"
#include "popup/popup_types.h"

namespace tavlin {

enum class PopupTimer { kScroll, kExit, kScrollDown };
enum class MouseButton { kLeft, kRight, kMiddle };

/// Slide and stay timer intervals.
inline constexpr int kScrollIntervalMs = 25;

/// A reading of a monotonic millisecond clock (GetTickCount64 on Windows). Slides move by the time
/// since they began, not by the count of timer messages: Windows sends those only on its 15.6 ms
/// tick, so a 25 ms timer fires about every 31 ms, and counting them would make a slide a quarter
/// slower than designed.
using MonotonicMs = uint64_t;

/// The panel's parts at 96 DPI, in the panel's own coordinates (the panel fills the client
/// area); a popup scales them to its DPI (PanelParts).
inline constexpr int kBevelWidth = 2;
inline constexpr int kStripHeight = 3;
/// The empty icon's click target.
inline constexpr Bounds kIconTarget{3, 8, 32, 32};

/// The panel's parts at a popup's DPI.
struct PanelParts {
  int bevel = kBevelWidth;
  int strip = kStripHeight;
  Bounds icon_target = kIconTarget;
  friend bool operator==(const PanelParts&, const PanelParts&) = default;
};
PanelParts PanelPartsAt(int dpi);

/// What a popup asks of its window.
class PopupView {
 public:
  virtual ~PopupView() = default;
  /// Creates the window at `full` (the full size) without showing it, lays its controls out and
  /// freezes that layout, so later size changes only clip it. Returns the panel's size.
  virtual Size Realise(const Bounds& full) = 0;
  /// The gradient area's picture (put inside the bevel), whether the colour strip shows, and the
  /// panel's parts at the popup's DPI.
  virtual void SetPicture(const PixelBitmap& picture, bool strip, const PanelParts& parts) = 0;
  virtual void SetTitle(const std::string& title, const FontSpec& font, int left, int top) = 0;
  virtual void SetTextCursor(int cursor) = 0;
  /// Height of `text` wrapped at `width` pixels in `font`; CR, LF and CR LF start new lines.
  virtual int MeasureTextHeight(const std::string& text, const FontSpec& font, int width) = 0;
  virtual void SetText(const std::string& text, const FontSpec& font, TAlignment alignment,
                       const Bounds& label) = 0;
  virtual void SetBounds(const Bounds& bounds) = 0;
  /// Makes the window top-most and shows it without activating it. Returns where it ended up,
  /// which differs from `bounds` only when `monitor` moves it to another display.
  virtual Bounds ShowNoActivate(const Bounds& bounds, TDefaultMonitor monitor) = 0;
  virtual void StartTimer(PopupTimer timer, int interval_ms) = 0;
  virtual void StopTimer(PopupTimer timer) = 0;
  virtual void Hide() = 0;
  /// Frees the window once the current message has been handled.
  virtual void Release() = 0;
  /// Opens `url` with the shell's default action.
  virtual void OpenUrl(const std::string& url) = 0;
};

class PopupModel {
 public:
  /// `notifier` must outlive the popup; `view` is the window that owns this model.
  PopupModel(TPopupNotifier& notifier, const PopupSettings& settings, PopupView& view);
  PopupModel(const PopupModel&) = delete;
  PopupModel& operator=(const PopupModel&) = delete;

  /// Sizes, places in the next slot, paints and shows the popup and starts its animation at `now`.
  void PlaceAndShow(MonotonicMs now);
  /// Wraps the text at the panel's width less 15 and centres it on the panel.
  void LayoutText();
  /// The popup's monitor has a new DPI: the popup takes its size and place in the column at that
  /// DPI, repaints its picture, title and text, and goes on sliding or staying as it was.
  void ChangeDpi(int dpi);

  /// The slide timers fire: the popup takes every step of kScrollIntervalMs due by `now` since
  /// its slide began, so one step a tick when the timer keeps its interval.
  void tmrScrollTimer(MonotonicMs now);
  /// The stay is over at `now`: the slide out begins.
  void tmrExitTimer(MonotonicMs now);
  void tmrscrollDownTimer(MonotonicMs now);

  void lblTextMouseEnter();
  void lblTextMouseLeave();
  void lblTextClick();
  void lblTextMouseUp(MouseButton button);
  void lblTitleMouseUp(MouseButton button);
  void imgIconMouseUp(MouseButton button);
  void imgGradientMouseUp(MouseButton button);

  /// Every close of the window comes here. It counts the popup out and frees it, except while a
  /// click event runs, when it only hides it (the close after the event then frees it).
  void Close();

  const Bounds& CurrentBounds() const { return bounds_; }
  int Dpi() const { return dpi_; }
  int OwnOffset() const { return own_offset_; }
  bool FreeOnClose() const { return free_on_close_; }
  bool Running(PopupTimer timer) const;
  bool Closed() const { return closed_; }
  const PopupSettings& Settings() const { return settings_; }
  const Bounds& TextBounds() const { return text_bounds_; }
  bool Hovered() const { return hovered_; }

 private:
  int Scaled(int value) const;
  /// The place of the slot the popup was given, at full size.
  Bounds FullBounds() const;
  /// Paints the background, the icon and the title for the panel's size, then the text.
  void Paint();
  void Start(PopupTimer timer, int interval_ms);
  void Stop(PopupTimer timer);
  void FinishScroll();
  /// The slide begins at `now`: its steps are counted from here.
  void StartSlide(PopupTimer timer, MonotonicMs now);
  /// Steps due by `now` and not yet taken; counts them as taken.
  int TakeDueSteps(MonotonicMs now);
  /// One step in or out; false when it has finished the slide in or closed the popup.
  bool StepIn();
  bool StepOut();
  /// The notifier's OnClick with the notifier as sender, then close.
  void ClickAsNotifier();

  TPopupNotifier& notifier_;
  PopupSettings settings_;
  PopupView& view_;
  int dpi_ = 96;
  Size full_;
  int scroll_speed_ = 1;
  Bounds bounds_;
  Size panel_;
  Bounds text_bounds_;
  TaskbarEdgeKind popup_edge_ = TaskbarEdgeKind::kUnknown;
  int own_offset_ = 0;
  int exit_interval_ms_ = 10000;
  bool free_on_close_ = false;
  bool closed_ = false;
  bool hovered_ = false;
  bool running_[3] = {false, false, false};
  MonotonicMs slide_start_ = 0;
  uint64_t slide_steps_ = 0;  ///< taken since slide_start_
};

/// What the popup window asks of the system, by the version the system reports.
struct PopupWindowStyle {
  bool no_activate = true;  ///< WS_EX_NOACTIVATE: everywhere but NT 3.51 and 4.0
  bool drop_shadow = true;  ///< CS_DROPSHADOW: from NT 5.1 on
};
PopupWindowStyle PopupStyleFor(bool nt_platform, unsigned major, unsigned minor);

/// `bounds` moved from the display `from` to the same place relative to the display `to`, pulled
/// back where its right or bottom edge would pass the edge of `to`.
Bounds MoveToDisplay(const Bounds& bounds, const Rect& from, const Rect& to);

}  // namespace tavlin
