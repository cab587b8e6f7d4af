// SolveGrid: the lexicographically smallest completion of a partly filled grid.
#pragma once

#include "Grid81.h"

// Completes `grid` (values 0-9) into `result`, the first completion in row-major order
// with digits tried in ascending order. False, with `result` untouched, when there is none,
// including when the filled digits already repeat in a row, column or box.
bool SolveGrid(const Grid81& grid, Grid81& result);
