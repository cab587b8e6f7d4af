// BuildRandomGrid: a chosen row of several different digits, then one fitting digit per other row.
#include "RandomFill.h"

#include "Placement.h"

namespace {

constexpr int kMinChosenRowDigits = 3;

int DrawDigit(RandomGenerator& random) { return RandomBelow(random, 9) + 1; }

// Starts from an empty grid and draws a row and a digit per column; a digit drawn again leaves
// its column empty. Starts over, with a new row, until the row holds at least three digits.
int FillChosenRow(Grid81& grid, RandomGenerator& random)
{
    for (;;) {
        grid.fill(0);
        const int row = RandomBelow(random, 9);
        bool placed[10] = {};
        int count = 0;
        for (int column = 0; column < 9; ++column) {
            const int digit = DrawDigit(random);
            if (placed[digit])
                continue;
            placed[digit] = true;
            grid[GridIndex(row, column)] = digit;
            ++count;
        }
        if (count >= kMinChosenRowDigits)
            return row;
    }
}

// True when some digit would pass IsPlacementValid at the empty cell (row, column), that is,
// when the redraw of the digit there can end.
bool SomeDigitFits(Grid81& grid, int row, int column)
{
    int& cell = grid[GridIndex(row, column)];
    bool fits = false;
    for (int digit = 1; digit <= 9 && !fits; ++digit) {
        cell = digit;
        fits = IsPlacementValid(grid, row, column);
    }
    cell = 0;
    return fits;
}

// One digit in the row: a drawn column, then digits drawn until one breaks no rule there.
// A column whose column and box already hold all nine digits between them would make that redraw
// endless, so for such a dead end (and only then) another column is drawn for the row. Some
// column always fits: a dead column needs 9 digits in its column and box together, which for all
// nine columns of a row would take far more than the at most 16 digits placed before.
void PlaceOneDigit(Grid81& grid, int row, RandomGenerator& random)
{
    int column = RandomBelow(random, 9);
    while (!SomeDigitFits(grid, row, column))
        column = RandomBelow(random, 9);

    int& cell = grid[GridIndex(row, column)];
    do {
        cell = DrawDigit(random);
    } while (!IsPlacementValid(grid, row, column));
}

}  // namespace

Grid81 BuildRandomGrid(RandomGenerator& random)
{
    Grid81 grid{};
    const int chosenRow = FillChosenRow(grid, random);
    for (int row = 0; row < 9; ++row) {
        if (row != chosenRow)
            PlaceOneDigit(grid, row, random);
    }
    return grid;
}
