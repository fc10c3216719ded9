// The flat rounded panel: a face in the system button colour inside a thin lightened border with
// cut corners, and an optional one-line caption.
#pragma once

#include <windows.h>

#include <functional>

#include "base/geometry.h"
#include "widgets/widget_win32.h"
#include "win32/gdi_win32.h"

namespace tavlin {

class RoundedPanel : public Widget {
 public:
  enum class Align { kLeft, kCentre, kRight };

  struct Settings {
    Bounds bounds;  ///< in the parent's client area
    int dpi = 96;   ///< the border's lines scale with it
    Align align = Align::kCentre;
    HFONT font = nullptr;            ///< not owned
    COLORREF corner_colour = 0;      ///< the parent's colour, seen outside the rounded corners
    std::function<void()> on_press;  ///< left button pressed
    std::function<void()> on_double_click;  ///< empty: a double-click is a press
  };

  /// A visible child of `parent`; its window text is the caption it shows.
  RoundedPanel(HWND parent, Settings settings);

  /// New bounds and caption font at a new DPI; the border follows.
  void Place(const Bounds& bounds, int dpi, HFONT font);

 private:
  void Paint(HDC target, const RECT& area) override;
  /// A new caption is drawn at once, the inside only: the border and corners stay as they are.
  void OnTextChanged() override;
  LRESULT HandleWidgetMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  /// The part inside the border, where the caption is.
  RECT Inside() const;
  Settings settings_;
  PaintBuffer buffer_;
};

/// The panel picture for a `width` x `height` area: border, cut corners, face, drawn with lines
/// `line_width` pixels wide (1 at 96 DPI).
void PaintRoundedFrame(HDC dc, int width, int height, int line_width, COLORREF corner_colour);

}  // namespace tavlin
