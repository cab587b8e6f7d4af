// The search state that SolveGrid and CountSolutions share: one bitboard per digit and band.
#pragma once

#include "Grid81.h"

#include <array>
#include <cstdint>

// A band is three grid rows, 27 cells; bit (row % 3) * 9 + column stands for a cell of it, so
// cell index = 27 * band + bit and the bits read in row-major order. `candidates[3 * d + band]`
// holds the cells of the band where digit d + 1 may still stand; `open` the unsettled cells.
//
// Invariant after every successful Load, Assign or Search step: every settled cell holds its
// digit only and no peer of it holds that digit; every cell, row, column and box keeps a place
// for each of its digits. Only impossible candidates are ever removed, so no completion is
// lost, and a board without open cells is a completion.
struct BandBoard {
    std::array<std::uint32_t, 27> candidates;
    std::array<std::uint32_t, 3> open;

    // The board of `grid` with singles and locked candidates applied; false when the grid has
    // a value outside 0-9, a repeated digit or an exposed contradiction.
    bool Load(const Grid81& grid);

    // Settles `digit` (1-9, a candidate of the open `cell`) and propagates; false on a
    // contradiction, which leaves the board in an unusable state.
    bool Assign(int cell, int digit);

    bool IsComplete() const { return (open[0] | open[1] | open[2]) == 0; }
    bool IsOpen(int cell) const { return ((open[cell / 27] >> (cell % 27)) & 1) != 0; }
    // Bit d - 1 for every candidate digit d of `cell`.
    unsigned CandidateDigits(int cell) const;
    // The first open cell in row-major order; -1 when there is none.
    int FirstOpenCell() const;
    // The settled digits, 0 for open cells.
    void WriteDigits(Grid81& grid) const;
};

// What a search did; for benchmarks and for the tests of its bounds.
struct SearchCounters {
    long long nodes = 0;   // boards on which a branching cell was chosen or a completion seen
    int deepestFrame = 0;  // deepest nesting of the search
};

// Counts the completions of a propagated board, stopping at `limit` (>= 1). The first one
// found is written to `first` when it is not null.
int CountCompletions(const BandBoard& board, int limit, Grid81* first, SearchCounters& counters);

// The smallest completion in row-major order, digits ascending, found by plain depth-first
// search in that order with propagation, within `budget` wrong turns (digits whose subtree
// holds no completion). 1 found (written to `smallest`), 0 none exists, -1 out of budget.
int SmallestWithin(const BandBoard& board, long long budget, Grid81& smallest,
                   SearchCounters& counters);
