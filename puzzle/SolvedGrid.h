// Whether a grid is a finished solution: what data.dat lines and saved games must hold.
#pragma once

#include "Grid81.h"

// True when every cell holds a digit 1-9 and every row, column and box holds each digit once.
bool IsSolvedGrid(const Grid81& grid);
