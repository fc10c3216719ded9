// Where a line of text sits vertically in a box, so that its ink keeps off the box's edges in any
// face: faces differ in how much of their cell is blank above and below the digits.
#pragma once

namespace tavlin {

/// The rows of a line's cell that hold ink, counted from the cell's top (bottom exclusive).
struct InkRows {
  int top = 0;
  int bottom = 0;
};

/// The top of the cell, from the top of a box `box_height` high. The cell is centred in the box,
/// which keeps the faces the strip was designed with exactly where they always were; where that
/// would bring the ink within `margin` of the box's top or bottom, the ink is centred instead.
int CellTopInBox(int box_height, int cell_height, InkRows ink, int margin);

}  // namespace tavlin
