#include "base/ink_placement.h"

namespace tavlin {

int CellTopInBox(int box_height, int cell_height, InkRows ink, int margin) {
  const int centred_cell = (box_height - cell_height) / 2;
  const bool clear =
      centred_cell + ink.top >= margin && centred_cell + ink.bottom <= box_height - margin;
  if (clear) return centred_cell;
  return (box_height - (ink.bottom - ink.top)) / 2 - ink.top;
}

}  // namespace tavlin
