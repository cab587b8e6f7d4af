// Where a click on an empty cell lands among its nine small digits.
#pragma once

#include "Rect.h"

// The small digit whose click zone holds (x, y): the cell is cut into three columns and
// three rows of equal size (to the pixel), and digit 1-9 has the ninth where it is drawn,
// 1 2 3 across the top, 7 8 9 along the bottom. 0 when the point is outside the cell.
int SmallDigitAt(const Rect& cell, int x, int y);
