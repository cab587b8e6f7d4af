// The rule check for one cell's row, column and 3x3 box.
#pragma once

#include "Grid81.h"

// True when no digit stands twice in the row, the column or the box of (row, column);
// the cell's own value takes part like any other. 0 <= row, column < 9.
bool IsPlacementValid(const Grid81& grid, int row, int column);
