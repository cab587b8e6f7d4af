// CountSolutions: how many completions a partly filled grid has, counted up to a limit.
#pragma once

#include "Grid81.h"

// The number of completions of `grid` (values 0-9), counting stops at `limit`: with limit 2
// the answer is 0, 1 or 2 ("two or more"). 0 when the filled digits already repeat in a row,
// column or box, when a value lies outside 0-9, or when limit < 1.
// Allocates nothing; safe to call from several threads at once.
int CountSolutions(const Grid81& grid, int limit);

// The same count; when it is at least 1, `first` holds one completion, else it is untouched.
int CountSolutions(const Grid81& grid, int limit, Grid81& first);
