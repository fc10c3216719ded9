// Rectangles and sizes in pixels, as screens and windows have them.
#pragma once

#include <string>

namespace tavlin {

/// A screen rectangle; right and bottom lie just outside it.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

/// Where a window is and how big it is.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

/// A monitor as the system shows it now: its device name ("\\.\DISPLAY1"), its rectangle and its
/// work area (the rectangle less the task bar and other docked bars), on the virtual screen.
struct MonitorPlace {
  std::string device;
  Rect area;
  Rect work;
  int dpi = 96;  ///< the DPI windows on this monitor are drawn for
};

}  // namespace tavlin
