// Independent checks of solver answers, written with the plain rule check, not the solver's machinery.
#pragma once

#include "Placement.h"

// True when some row, column or box holds a digit twice. Values 0-9.
inline bool HasRepeatedDigit(const Grid81& grid)
{
    for (int cell = 0; cell < 81; ++cell)
        if (grid[cell] != 0 && !IsPlacementValid(grid, cell / 9, cell % 9))
            return true;
    return false;
}

// True when `completion` is full, repeats no digit and keeps every filled cell of `grid`.
inline bool IsValidCompletionOf(const Grid81& grid, const Grid81& completion)
{
    for (int cell = 0; cell < 81; ++cell)
        if (completion[cell] < 1 || completion[cell] > 9 || (grid[cell] != 0 && grid[cell] != completion[cell]))
            return false;
    return !HasRepeatedDigit(completion);
}
