// Seeded makers of solutions and puzzles for the solver's tests and benchmarks.
#pragma once

#include "Grid81.h"
#include "Random.h"

// A complete valid grid: the completion of a few random givens, randomly transformed.
Grid81 MakeRandomSolution(RandomGenerator& random);

// True when `grid` has exactly one completion: its smallest and largest completions agree.
bool HasUniqueCompletion(const Grid81& grid);

// Removes the clues of `solution` in random order, each only while the completion stays
// unique, until no clue can go.
Grid81 MakeMinimalPuzzle(const Grid81& solution, RandomGenerator& random);

// Keeps `clues` random cells of `solution` (0 <= clues <= 81), empties the rest.
Grid81 KeepRandomClues(const Grid81& solution, int clues, RandomGenerator& random);

// Rewrites one random clue of `puzzle` to a digit that its row, column and box do not hold;
// false when no clue can be rewritten that way.
bool RewriteOneClue(Grid81& puzzle, RandomGenerator& random);

// A grid with no completion whose first `emptyRows` rows are empty, though no row, column
// or box holds a digit twice, and naked and hidden singles alone do not refute it.
// 0 <= emptyRows <= 6.
Grid81 MakeUnsolvableBelowEmptyRows(int emptyRows, RandomGenerator& random);
