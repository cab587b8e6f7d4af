// Solutions, minimal puzzles and unsolvable grids built with SolveGrid and grid symmetries.
#include "PuzzleMaker.h"

#include "GridSymmetry.h"
#include "Placement.h"
#include "Solver.h"

#include <array>
#include <utility>

namespace {

std::array<int, 81> RandomCellOrder(RandomGenerator& random)
{
    std::array<int, 81> cells{};
    for (int i = 0; i < 81; ++i)
        cells[i] = i;
    for (int i = 80; i > 0; --i)
        std::swap(cells[i], cells[RandomBelow(random, i + 1)]);
    return cells;
}

// Digits d become 10 - d, which turns the largest completion into the smallest.
GridSymmetry ReversedDigits()
{
    GridSymmetry symmetry;
    for (int d = 1; d <= 9; ++d)
        symmetry.digits[d] = 10 - d;
    return symmetry;
}

}  // namespace

Grid81 MakeRandomSolution(RandomGenerator& random)
{
    for (;;) {
        Grid81 givens{};
        for (int placed = 0; placed < 12;) {
            const int cell = RandomBelow(random, 81);
            if (givens[cell] != 0)
                continue;
            givens[cell] = 1 + RandomBelow(random, 9);
            if (IsPlacementValid(givens, cell / 9, cell % 9))
                ++placed;
            else
                givens[cell] = 0;
        }
        Grid81 solution{};
        if (SolveGrid(givens, solution))
            return ApplySymmetry(RandomSymmetry(random), solution);
    }
}

bool HasUniqueCompletion(const Grid81& grid)
{
    const GridSymmetry reversed = ReversedDigits();
    Grid81 smallest{};
    Grid81 largestReversed{};
    if (!SolveGrid(grid, smallest) || !SolveGrid(ApplySymmetry(reversed, grid), largestReversed))
        return false;
    return ApplySymmetry(reversed, largestReversed) == smallest;
}

Grid81 MakeMinimalPuzzle(const Grid81& solution, RandomGenerator& random)
{
    Grid81 puzzle = solution;
    for (const int cell : RandomCellOrder(random)) {
        const int digit = puzzle[cell];
        puzzle[cell] = 0;
        if (!HasUniqueCompletion(puzzle))
            puzzle[cell] = digit;
    }
    return puzzle;
}

Grid81 KeepRandomClues(const Grid81& solution, int clues, RandomGenerator& random)
{
    Grid81 puzzle{};
    const std::array<int, 81> cells = RandomCellOrder(random);
    for (int i = 0; i < clues; ++i)
        puzzle[cells[i]] = solution[cells[i]];
    return puzzle;
}

bool RewriteOneClue(Grid81& puzzle, RandomGenerator& random)
{
    for (const int cell : RandomCellOrder(random)) {
        const int original = puzzle[cell];
        if (original == 0)
            continue;
        const int shift = RandomBelow(random, 8);
        for (int step = 0; step < 8; ++step) {
            const int offset = 1 + (shift + step) % 8;  // 1-8: never the original digit
            puzzle[cell] = 1 + (original - 1 + offset) % 9;
            if (IsPlacementValid(puzzle, cell / 9, cell % 9))
                return true;
        }
        puzzle[cell] = original;
    }
    return false;
}

Grid81 MakeUnsolvableBelowEmptyRows(int emptyRows, RandomGenerator& random)
{
    for (;;) {
        const int clues = 24 + RandomBelow(random, 17);
        Grid81 grid = KeepRandomClues(MakeRandomSolution(random), clues, random);
        for (int cell = 0; cell < 9 * emptyRows; ++cell)
            grid[cell] = 0;
        // Only grids whose contradiction survives propagation: refuting them takes a search.
        Grid81 unused{};
        SolveStats stats;
        if (RewriteOneClue(grid, random) && !SolveGrid(grid, unused, stats) && stats.searchNodes > 1)
            return grid;
    }
}
