#include "popup/popup_notifier.h"

#include "base/scaling.h"

namespace tavlin {

Bounds SlotBounds(TaskbarEdgeKind edge, const Rect& work_area, int start_x, int start_y, int width,
                  int height, int offset) {
  Bounds b{0, 0, width, height};
  switch (edge) {
    case TaskbarEdgeKind::kLeft:
      b.left = work_area.left + start_x;
      b.top = work_area.bottom - start_y - height - offset;
      break;
    case TaskbarEdgeKind::kTop:
      b.left = work_area.right - width - start_x;
      b.top = work_area.top + start_y + offset;
      break;
    case TaskbarEdgeKind::kRight:
    case TaskbarEdgeKind::kBottom:
    case TaskbarEdgeKind::kUnknown:
      b.left = work_area.right - width - start_x;
      b.top = work_area.bottom - start_y - height - offset;
      break;
  }
  return b;
}

TPopupNotifier::TPopupNotifier(PopupDesktop& desktop, PopupWindowFactory& factory)
    : desktop_(desktop), factory_(factory) {}

TaskbarEdgeKind TPopupNotifier::TaskbarEdge() {
  return TaskbarEdgeOf(desktop_.Taskbar());
}

void TPopupNotifier::AdvanceCascade(int dpi) {
  if (Options.Has(TPopupOption::pnCascadePopups)) {
    cascade_offset_ += ScaleToDpi(Height, dpi) + ScaleToDpi(PopupMarge, dpi);
  } else {
    cascade_offset_ = 0;
  }
}

bool TPopupNotifier::ShowNotice(const Notice& notice) {
  if (!Options.Has(TPopupOption::pnAllowDuplicate) && desktop_.PopupWindowExists()) return false;

  const TaskbarEdgeKind edge = TaskbarEdge();
  if (edge != last_edge_) {
    last_edge_ = edge;
    popup_count_ = 0;
  }
  const Rect work_area = WorkArea();
  // Sizes are written at 96 DPI; the popups and the room they need are at the monitor's.
  const int dpi = desktop_.Dpi(DefaultMonitor);
  const int height = ScaleToDpi(Height, dpi);
  const int start_y = ScaleToDpi(PopupStartY, dpi);

  // The first popup of a series always opens, whether it fits or not.
  if (popup_count_ <= 0) {
    cascade_offset_ = 0;
  } else if (last_edge_ == TaskbarEdgeKind::kTop) {
    if (cascade_offset_ + height + start_y > work_area.bottom) return false;
  } else {
    // The column grows upwards from the bottom of the work area for every other edge, and so
    // stops where the next popup would pass the top of the screen.
    if (work_area.bottom - cascade_offset_ - height - start_y < 0) return false;
  }

  ++popup_count_;
  PopupSettings s;
  s.DefaultMonitor = DefaultMonitor;
  s.Dpi = dpi;
  s.PopupWidth = Width;
  s.PopupHeight = Height;
  s.Text = notice.text;
  s.URL = URL;
  s.Title = notice.title;
  s.TimeOut = TimeOut;
  s.AllowScroll = Options.Has(TPopupOption::pnAllowScroll);
  s.AllowHyperlink = Options.Has(TPopupOption::pnAllowHyperlink);
  s.ScrollSpeed = scroll_speed_;
  s.TextCursor = TextCursor;
  s.GradientColor1 = notice.colour;
  s.GradientColor2 = GradientColor2;
  s.GradientOrientation = GradientOrientation;
  s.BackgroundDrawMethod = BackgroundDrawMethod;
  s.TextAlignment = TextAlignment;
  factory_.Open(*this, s);
  return true;
}

void ConfigureSystemNotifier(TPopupNotifier& n) {
  const char* const kGulim = "굴림";
  n.Text = "text";
  n.IconBitmap = PixelBitmap();
  n.IconLeft = 8;
  n.IconTop = 8;
  n.TimeOut = 15;
  n.Width = 195;
  n.Height = 110;
  n.GradientColor1 = ColourFromBgr(kNeutralGradientColour);
  n.GradientColor2 = Colour::Rgb(255, 255, 255);
  n.GradientOrientation = TOrientation::mbVertical;
  n.SetScrollSpeed(9);
  n.Font = FontSpec{kGulim, -12, kHangeulCharset, Colour::WindowText(), false, false, false, false};
  n.HoverFont =
      FontSpec{kGulim, -12, kHangeulCharset, Colour::Rgb(0, 0, 255), false, false, true, false};
  n.Title = "title";
  n.TitleFont =
      FontSpec{kGulim, -13, kHangeulCharset, Colour::WindowText(), true, false, false, false};
  n.Options = TPopupOptions{TPopupOption::pnCascadePopups, TPopupOption::pnAllowScroll,
                            TPopupOption::pnAllowDuplicate};
  n.TextAlignment = TAlignment::taCenter;
  n.BackgroundDrawMethod = TImageDrawMethod::dmTile;
  n.TextCursor = crDefault;
  n.PopupMarge = 2;
  n.PopupStartX = 16;
  n.PopupStartY = 2;
  n.DefaultMonitor = TDefaultMonitor::dmDesktop;
  n.BackgroundImage = PixelBitmap();
}

}  // namespace tavlin
