// SolveGrid: the lexicographically smallest completion of a partly filled grid.
#pragma once

#include "Grid81.h"

// Completes `grid` (values 0-9) into `result`, the first completion in row-major order
// with digits tried in ascending order. False, with `result` untouched, when there is none,
// including when the filled digits already repeat in a row, column or box.
// A grid with at most one completion costs one search that counts completions up to two.
// Allocates nothing; the search keeps its state on the stack, at most 82 frames deep.
bool SolveGrid(const Grid81& grid, Grid81& result);

// What one SolveGrid call did, for benchmarks and for tests of the search's bounds.
struct SolveStats {
    int searches = 0;          // the count up to two, the plain order, each check of the descent
    int searchNodes = 0;       // boards visited by those searches
    int deepestFrame = 0;      // deepest nesting of a search
};

// SolveGrid that also fills `stats` (reset at the start of the call).
bool SolveGrid(const Grid81& grid, Grid81& result, SolveStats& stats);
