// Building and applying grid symmetries.
#include "GridSymmetry.h"

#include <algorithm>

namespace {

template <std::size_t N>
void Shuffle(std::array<int, N>& values, RandomGenerator& random)
{
    for (int i = static_cast<int>(N) - 1; i > 0; --i)
        std::swap(values[i], values[RandomBelow(random, i + 1)]);
}

// Three groups of three lines, groups in `groupOrder`, lines within group g in lineOrders[g].
std::array<int, 9> LineOrder(const std::array<int, 3>& groupOrder,
                             const std::array<std::array<int, 3>, 3>& lineOrders)
{
    std::array<int, 9> lines{};
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < 3; ++i)
            lines[3 * g + i] = 3 * groupOrder[g] + lineOrders[groupOrder[g]][i];
    return lines;
}

std::array<int, 9> RandomLineOrder(RandomGenerator& random)
{
    std::array<int, 3> groups{0, 1, 2};
    Shuffle(groups, random);
    std::array<std::array<int, 3>, 3> lines{};
    for (auto& order : lines) {
        order = {0, 1, 2};
        Shuffle(order, random);
    }
    return LineOrder(groups, lines);
}

}  // namespace

Grid81 ApplySymmetry(const GridSymmetry& symmetry, const Grid81& grid)
{
    Grid81 result{};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int sourceRow = symmetry.rows[r];
            const int sourceColumn = symmetry.columns[c];
            const int source = symmetry.transpose ? GridIndex(sourceColumn, sourceRow)
                                                  : GridIndex(sourceRow, sourceColumn);
            result[GridIndex(r, c)] = symmetry.digits[grid[source]];
        }
    }
    return result;
}

GridSymmetry RandomSymmetry(RandomGenerator& random)
{
    GridSymmetry symmetry;
    std::array<int, 9> labels{1, 2, 3, 4, 5, 6, 7, 8, 9};
    Shuffle(labels, random);
    std::copy(labels.begin(), labels.end(), symmetry.digits.begin() + 1);
    symmetry.rows = RandomLineOrder(random);
    symmetry.columns = RandomLineOrder(random);
    symmetry.transpose = RandomBelow(random, 2) == 1;
    return symmetry;
}

GridSymmetry SparseRowsFirst(const Grid81& grid)
{
    std::array<int, 9> filled{};
    for (int cell = 0; cell < 81; ++cell)
        filled[cell / 9] += grid[cell] != 0 ? 1 : 0;
    std::array<int, 3> bandFilled{};
    std::array<std::array<int, 3>, 3> rowOrders{};
    for (int band = 0; band < 3; ++band) {
        bandFilled[band] = filled[3 * band] + filled[3 * band + 1] + filled[3 * band + 2];
        rowOrders[band] = {0, 1, 2};
        std::stable_sort(rowOrders[band].begin(), rowOrders[band].end(),
                         [&](int a, int b) { return filled[3 * band + a] < filled[3 * band + b]; });
    }
    std::array<int, 3> bands{0, 1, 2};
    std::stable_sort(bands.begin(), bands.end(),
                     [&](int a, int b) { return bandFilled[a] < bandFilled[b]; });
    GridSymmetry symmetry;
    symmetry.rows = LineOrder(bands, rowOrders);
    return symmetry;
}

GridSymmetry DescendingFirstRow(const Grid81& solution)
{
    GridSymmetry symmetry;
    for (int c = 0; c < 9; ++c)
        symmetry.digits[solution[c]] = 9 - c;
    return symmetry;
}
