// The flat rounded panel: a face in the system button colour inside a thin lightened border with
// cut corners, and an optional one-line caption.
#pragma once

#include <windows.h>

#include <functional>

#include "win32/window_base_win32.h"

namespace tavlin {

class RoundedPanel : public WindowBase {
 public:
  enum class Align { kLeft, kCentre, kRight };

  struct Settings {
    int x = 0, y = 0, width = 0, height = 0;
    Align align = Align::kCentre;
    HFONT font = nullptr;            ///< not owned
    COLORREF corner_colour = 0;      ///< the parent's colour, seen outside the rounded corners
    std::function<void()> on_press;  ///< left button pressed
    std::function<void()> on_double_click;  ///< empty: a double-click is a press
  };

  /// A visible child of `parent`; its window text is the caption it shows.
  RoundedPanel(HWND parent, Settings settings);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void OnPaint();
  Settings settings_;
};

/// The panel picture for a `width` x `height` area: border, cut corners, face.
void PaintRoundedFrame(HDC dc, int width, int height, COLORREF corner_colour);

}  // namespace tavlin
