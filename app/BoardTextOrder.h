// Puzzle texts read as the board shows them, and the board's Grid81 order.
#pragma once

#include "Grid81.h"

// The board shows a Grid81 row as a screen column, so a text read row by row as seen on
// screen holds the cells transposed. Takes cells in text order to Grid81 order, and back:
// the swap undoes itself.
Grid81 SwapTextAndBoardOrder(const Grid81& cells);
