// UnitsCanHoldTheirDigits: a check of a board that singles and locked candidates do not make.
#pragma once

#include "SolverBands.h"

// Whether every row, column and box can still give each of its missing digits a cell of its
// own among its open cells (a matching of digits to cells; by Hall's theorem, no set of k
// digits is confined to fewer than k cells). False proves that the board has no completion.
bool UnitsCanHoldTheirDigits(const BandBoard& board);
