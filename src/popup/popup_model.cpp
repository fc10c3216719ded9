#include "popup/popup_model.h"

#include <algorithm>
#include <cstdint>

#include "base/scaling.h"
#include "popup/popup_picture.h"

namespace tavlin {

namespace {

// The title's place in the panel; it moves left when there is no icon.
constexpr int kTitleTop = 8;
constexpr int kTitleLeftBesideIcon = 48;
constexpr int kTitleLeftAlone = 8;
// The body text is wrapped this much narrower than the panel.
constexpr int kTextMargin = 15;

// The window-text colour as the gradient sees it; only fonts use window text in practice.
constexpr Rgb kBlack{0, 0, 0};

// `font` with its character height scaled from 96 DPI to `dpi`.
FontSpec FontAt(FontSpec font, int dpi) {
  font.height = ScaleToDpi(font.height, dpi);
  return font;
}

// How a popup slides out of the task bar and back: along one dimension of its bounds, the width
// beside a left or right task bar and the height beside a top or bottom one. Beside a right or
// bottom task bar its far edge stays put while it grows, so its left or top moves with it. Over an
// unknown edge it moves as over a bottom task bar.
struct SlideAxis {
  bool vertical = true;
  bool far_edge_fixed = true;

  explicit SlideAxis(TaskbarEdgeKind edge)
      : vertical(edge != TaskbarEdgeKind::kLeft && edge != TaskbarEdgeKind::kRight),
        far_edge_fixed(edge != TaskbarEdgeKind::kLeft && edge != TaskbarEdgeKind::kTop) {}

  int& Extent(Bounds& bounds) const { return vertical ? bounds.height : bounds.width; }
  int Extent(const Bounds& bounds) const { return vertical ? bounds.height : bounds.width; }
  int Extent(const Size& size) const { return vertical ? size.height : size.width; }
  int& Start(Bounds& bounds) const { return vertical ? bounds.top : bounds.left; }
  int Start(const Bounds& bounds) const { return vertical ? bounds.top : bounds.left; }
};

}  // namespace

PanelParts PanelPartsAt(int dpi) {
  const auto s = [dpi](int v) { return ScaleToDpi(v, dpi); };
  return PanelParts{
      s(kBevelWidth), s(kStripHeight),
      Bounds{s(kIconTarget.left), s(kIconTarget.top), s(kIconTarget.width), s(kIconTarget.height)}};
}

PopupModel::PopupModel(TPopupNotifier& notifier, const PopupSettings& settings, PopupView& view)
    : notifier_(notifier), settings_(settings), view_(view) {
  dpi_ = settings_.Dpi > 0 ? settings_.Dpi : kDesignDpi;
  full_ = Size{Scaled(settings_.PopupWidth), Scaled(settings_.PopupHeight)};
  // However small the scale, a popup still moves.
  scroll_speed_ = std::max(1, Scaled(settings_.ScrollSpeed));
}

int PopupModel::Scaled(int value) const {
  return ScaleToDpi(value, dpi_);
}

Bounds PopupModel::FullBounds() const {
  return SlotBounds(popup_edge_, notifier_.WorkArea(), Scaled(notifier_.PopupStartX),
                    Scaled(notifier_.PopupStartY), full_.width, full_.height, own_offset_);
}

bool PopupModel::Running(PopupTimer timer) const {
  return running_[static_cast<int>(timer)];
}

void PopupModel::Start(PopupTimer timer, int interval_ms) {
  // A timer with interval 0 is enabled but never fires.
  if (interval_ms <= 0) return;
  running_[static_cast<int>(timer)] = true;
  view_.StartTimer(timer, interval_ms);
}

void PopupModel::Stop(PopupTimer timer) {
  if (!running_[static_cast<int>(timer)]) return;
  running_[static_cast<int>(timer)] = false;
  view_.StopTimer(timer);
}

void PopupModel::PlaceAndShow(MonotonicMs now) {
  view_.SetTextCursor(settings_.TextCursor);
  popup_edge_ = notifier_.TaskbarEdge();
  free_on_close_ = true;

  own_offset_ = notifier_.CascadeOffset();
  bounds_ = FullBounds();
  notifier_.AdvanceCascade(dpi_);

  panel_ = view_.Realise(bounds_);
  Paint();

  // A stay longer than a timer can count is cut to the longest one rather than wrapping round.
  exit_interval_ms_ =
      static_cast<int>(std::clamp<int64_t>(int64_t{settings_.TimeOut} * 1000, 0, INT32_MAX));
  if (settings_.AllowScroll) {
    // Collapsed to one pixel against the task bar, from where it slides in.
    const SlideAxis axis(notifier_.TaskbarEdge());
    int& extent = axis.Extent(bounds_);
    if (axis.far_edge_fixed) axis.Start(bounds_) += extent;
    extent = 1;
    view_.SetBounds(bounds_);
    StartSlide(PopupTimer::kScroll, now);
  } else {
    view_.SetBounds(bounds_);
    Start(PopupTimer::kExit, exit_interval_ms_);
  }
  bounds_ = view_.ShowNoActivate(bounds_, settings_.DefaultMonitor);
  LayoutText();
}

void PopupModel::Paint() {
  // The background is computed once here; the animation only moves and clips the window.
  const PanelParts parts = PanelPartsAt(dpi_);
  PictureRecipe recipe;
  recipe.width = panel_.width - 2 * parts.bevel;
  recipe.height = panel_.height - 2 * parts.bevel - parts.strip;
  recipe.gradient_color1 = Resolve(settings_.GradientColor1, kBlack);
  recipe.gradient_color2 = Resolve(settings_.GradientColor2, kBlack);
  recipe.orientation = settings_.GradientOrientation;
  recipe.background_image = &notifier_.BackgroundImage;
  recipe.draw_method = settings_.BackgroundDrawMethod;
  recipe.icon = &notifier_.IconBitmap;
  recipe.icon_left = Scaled(notifier_.IconLeft);
  recipe.icon_top = Scaled(notifier_.IconTop);
  view_.SetPicture(PaintPopupPicture(recipe), notifier_.BackgroundImage.Empty(), parts);
  view_.SetTitle(settings_.Title, FontAt(notifier_.TitleFont, dpi_),
                 Scaled(notifier_.IconBitmap.Empty() ? kTitleLeftAlone : kTitleLeftBesideIcon),
                 Scaled(kTitleTop));
}

void PopupModel::ChangeDpi(int dpi) {
  if (closed_ || dpi <= 0 || dpi == dpi_) return;
  const int old_dpi = dpi_;
  const Size old_full = full_;
  dpi_ = dpi;
  full_ = Size{Scaled(settings_.PopupWidth), Scaled(settings_.PopupHeight)};
  scroll_speed_ = std::max(1, Scaled(settings_.ScrollSpeed));
  // The same slot of the column, at the new scale.
  own_offset_ = static_cast<int>(MulDivRounded(own_offset_, dpi_, old_dpi));
  const Bounds full = FullBounds();
  panel_ = view_.Realise(full);
  Paint();
  LayoutText();

  // As far out of the task bar as it was, in proportion.
  const auto part = [](int now, int was, int whole) {
    return std::clamp(static_cast<int>(MulDivRounded(now, whole, was)), 1, whole);
  };
  const SlideAxis axis(popup_edge_);
  Bounds shown = full;
  int& extent = axis.Extent(shown);
  extent = part(axis.Extent(bounds_), axis.Extent(old_full), axis.Extent(full));
  if (axis.far_edge_fixed) axis.Start(shown) = axis.Start(full) + axis.Extent(full) - extent;
  bounds_ = shown;
  view_.SetBounds(bounds_);
}

void PopupModel::LayoutText() {
  const FontSpec font =
      FontAt(hovered_ && settings_.AllowHyperlink ? notifier_.HoverFont : notifier_.Font, dpi_);
  const int width = panel_.width - Scaled(kTextMargin);
  const int height = view_.MeasureTextHeight(settings_.Text, font, width);
  text_bounds_ = Bounds{HalfRoundedToEven(panel_.width - width),
                        HalfRoundedToEven(panel_.height - height), width, height};
  view_.SetText(settings_.Text, font, settings_.TextAlignment, text_bounds_);
}

void PopupModel::FinishScroll() {
  Stop(PopupTimer::kScroll);
  Start(PopupTimer::kExit, exit_interval_ms_);
}

void PopupModel::StartSlide(PopupTimer timer, MonotonicMs now) {
  slide_start_ = now;
  slide_steps_ = 0;
  Start(timer, kScrollIntervalMs);
}

int PopupModel::TakeDueSteps(MonotonicMs now) {
  if (now <= slide_start_) return 0;
  const uint64_t due = (now - slide_start_) / kScrollIntervalMs;
  if (due <= slide_steps_) return 0;
  // Even after a long stall no slide has more steps than its full extent in pixels.
  const int steps = static_cast<int>(std::min<uint64_t>(due - slide_steps_, 1u << 16));
  slide_steps_ = due;
  return steps;
}

bool PopupModel::StepIn() {
  const SlideAxis axis(popup_edge_);
  int& extent = axis.Extent(bounds_);
  const int full = axis.Extent(full_);
  if (extent + scroll_speed_ < full) {
    if (axis.far_edge_fixed) axis.Start(bounds_) -= scroll_speed_;
    extent += scroll_speed_;
    return true;
  }
  extent = full;
  // Beside a right or bottom task bar it ends exactly in its slot of the work area as it is now,
  // even if the work area changed while it slid.
  if (axis.far_edge_fixed) axis.Start(bounds_) = axis.Start(FullBounds());
  FinishScroll();
  return false;
}

bool PopupModel::StepOut() {
  const SlideAxis axis(popup_edge_);
  int& extent = axis.Extent(bounds_);
  if (extent - scroll_speed_ <= 0) {
    Close();
    return false;
  }
  if (axis.far_edge_fixed) axis.Start(bounds_) += scroll_speed_;
  extent -= scroll_speed_;
  return true;
}

void PopupModel::tmrScrollTimer(MonotonicMs now) {
  if (closed_ || !Running(PopupTimer::kScroll)) return;
  const int steps = TakeDueSteps(now);
  if (steps == 0) return;
  for (int i = 0; i < steps; ++i) {
    if (!StepIn()) break;
  }
  view_.SetBounds(bounds_);
}

void PopupModel::tmrExitTimer(MonotonicMs now) {
  if (closed_) return;
  Stop(PopupTimer::kExit);
  StartSlide(PopupTimer::kScrollDown, now);
}

void PopupModel::tmrscrollDownTimer(MonotonicMs now) {
  if (closed_ || !Running(PopupTimer::kScrollDown)) return;
  const int steps = TakeDueSteps(now);
  if (steps == 0) return;
  for (int i = 0; i < steps; ++i) {
    if (!StepOut()) return;
  }
  view_.SetBounds(bounds_);
}

void PopupModel::lblTextMouseEnter() {
  if (closed_ || !settings_.AllowHyperlink) return;
  hovered_ = true;
  LayoutText();
}

void PopupModel::lblTextMouseLeave() {
  if (closed_ || !settings_.AllowHyperlink) return;
  hovered_ = false;
  LayoutText();
}

void PopupModel::lblTextClick() {
  if (closed_) return;
  free_on_close_ = false;
  const PopupSender sender{nullptr, this};
  if (settings_.AllowHyperlink) {
    if (notifier_.OnURLClick) notifier_.OnURLClick(sender, settings_.URL);
    if (notifier_.Options.Has(TPopupOption::pnAutoOpenURL)) view_.OpenUrl(settings_.URL);
  } else if (notifier_.OnClick) {
    notifier_.OnClick(sender);
  }
  free_on_close_ = true;
  Close();
}

void PopupModel::ClickAsNotifier() {
  if (closed_) return;
  if (notifier_.OnClick) {
    free_on_close_ = false;
    notifier_.OnClick(PopupSender{&notifier_, nullptr});
    free_on_close_ = true;
  }
  Close();
}

void PopupModel::lblTextMouseUp(MouseButton button) {
  // The left button is lblTextClick's.
  if (button == MouseButton::kRight) ClickAsNotifier();
}

void PopupModel::lblTitleMouseUp(MouseButton) {
  ClickAsNotifier();
}
void PopupModel::imgIconMouseUp(MouseButton) {
  ClickAsNotifier();
}
void PopupModel::imgGradientMouseUp(MouseButton) {
  ClickAsNotifier();
}

void PopupModel::Close() {
  if (closed_) return;
  view_.Hide();
  if (!free_on_close_) return;
  closed_ = true;
  Stop(PopupTimer::kScroll);
  Stop(PopupTimer::kExit);
  Stop(PopupTimer::kScrollDown);
  notifier_.CountOut();
  view_.Release();
}

PopupWindowStyle PopupStyleFor(bool nt_platform, unsigned major, unsigned minor) {
  PopupWindowStyle style;
  style.no_activate = !(nt_platform && major <= 4 && (minor == 0 || minor == 51));
  // Every version from 5.1 on offers the shadow, 6.0 and 10.0 included.
  style.drop_shadow = nt_platform && (major > 5 || (major == 5 && minor >= 1));
  return style;
}

Bounds MoveToDisplay(const Bounds& bounds, const Rect& from, const Rect& to) {
  Bounds moved = bounds;
  moved.left = to.left + (bounds.left - from.left);
  moved.top = to.top + (bounds.top - from.top);
  if (moved.left + moved.width > to.right) moved.left = to.right - moved.width;
  if (moved.top + moved.height > to.bottom) moved.top = to.bottom - moved.height;
  return moved;
}

}  // namespace tavlin
