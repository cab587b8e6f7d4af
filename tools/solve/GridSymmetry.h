// Relabellings and reorderings that map every grid to one with as many completions.
#pragma once

#include "Grid81.h"
#include "Random.h"

#include <array>

// Result cell (r, c) takes the source cell (rows[r], columns[c]), read transposed if asked,
// with its digit d written as digits[d]. Rows move only within and with their band of three,
// columns within and with their stack, so rows, columns and boxes stay units.
struct GridSymmetry {
    std::array<int, 10> digits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};  // digits[0] stays 0
    std::array<int, 9> rows{0, 1, 2, 3, 4, 5, 6, 7, 8};
    std::array<int, 9> columns{0, 1, 2, 3, 4, 5, 6, 7, 8};
    bool transpose = false;
};

Grid81 ApplySymmetry(const GridSymmetry& symmetry, const Grid81& grid);

GridSymmetry RandomSymmetry(RandomGenerator& random);

// Puts the bands and, within each band, the rows with the fewest filled cells on top.
GridSymmetry SparseRowsFirst(const Grid81& grid);

// Relabels so that the first row of `solution` reads 987654321 (needs a full first row).
GridSymmetry DescendingFirstRow(const Grid81& solution);
