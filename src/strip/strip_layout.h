// Where the strip's widgets go and how large its fonts are, at the DPI of the monitor the strip
// is on. Every figure is written at 96 DPI and scaled with ScaleToDpi.
#pragma once

#include "base/geometry.h"
#include "strip/strip_fit.h"

namespace tavlin {

/// The strip's geometry. Each widget's bounds are in its parent's client coordinates: Button1,
/// Button3 and StatusPane1 lie on Panel1, Button2 and Label1 on Panel2, the panels on the strip.
struct StripLayout {
  int client_height = 0;       ///< 50 at 96 DPI; the width follows the quiz line (FitWidth)
  int least_client_width = 0;  ///< the top row of panels and its right margin: 325 at 96 DPI
  Bounds panel1;
  Bounds button1;
  Bounds button3;
  Bounds status_pane1;
  Bounds panel3;
  Bounds panel2;  ///< keeps its left and a right margin to the strip's edge
  Bounds button2;
  int label1_left = 0;
  int label1_top = 0;
  int font_height = 0;          ///< "굴림" of the strip, its panels, Label1, Button1 and Button3
  int button2_font_height = 0;  ///< "굴림" of Button2
};

/// The layout at `dpi` of a strip whose client area is `client_width` pixels wide, with the text
/// boxes `boxes` (FitStripBoxes): Panel3 keeps its distance to Panel1 as Panel1 grows.
StripLayout LayOutStrip(int dpi, int client_width, const StripBoxes& boxes);

/// The same with the designed boxes.
StripLayout LayOutStrip(int dpi, int client_width);

}  // namespace tavlin
