// Pointing and claiming: a digit confined to where a box and a line meet.
#include "GridUnits.h"
#include "StepTechniques.h"

#include <bitset>

namespace {

using CellSet = std::bitset<81>;

CellSet CellsWith(const CandidateGrid& grid, int digit)
{
    CellSet cells;
    for (int cell = 0; cell < 81; ++cell)
        if (grid.Has(cell, digit))
            cells.set(size_t(cell));
    return cells;
}

std::vector<int> CellsOf(const CellSet& set)
{
    std::vector<int> cells;
    for (int cell = 0; cell < 81; ++cell)
        if (set.test(size_t(cell)))
            cells.push_back(cell);
    return cells;
}

// Where the digit lies in `from` only within `within`: removes it from the rest of `within`.
std::optional<Step> Confined(Technique technique, const CellSet& withDigit, int from, int within, int digit)
{
    const CellSet inFrom = withDigit & UnitSet(from);
    if (inFrom.none() || (inFrom & ~UnitSet(within)).any())
        return std::nullopt;
    const CellSet removed = withDigit & UnitSet(within) & ~UnitSet(from);
    if (removed.none())
        return std::nullopt;
    Step step;
    step.technique = technique;
    step.difficulty = BaseDifficulty(technique);
    step.cells = CellsOf(inFrom);
    step.digits = {digit};
    step.units = {from, within};
    for (const int cell : CellsOf(removed))
        step.eliminations.push_back({cell, digit});
    return step;
}

// The row and column units that cross box `box`.
std::array<int, 6> LinesThroughBox(int box)
{
    const int row = 3 * (box / 3);
    const int column = 3 * (box % 3);
    return {RowUnit(row), RowUnit(row + 1), RowUnit(row + 2),
            ColumnUnit(column), ColumnUnit(column + 1), ColumnUnit(column + 2)};
}

}  // namespace

std::optional<Step> FindPointing(const CandidateGrid& grid)
{
    for (int digit = 1; digit <= 9; ++digit) {
        const CellSet withDigit = CellsWith(grid, digit);
        for (int box = 0; box < 9; ++box)
            for (const int line : LinesThroughBox(box))
                if (auto step = Confined(Technique::Pointing, withDigit, BoxUnit(box), line, digit))
                    return step;
    }
    return std::nullopt;
}

std::optional<Step> FindClaiming(const CandidateGrid& grid)
{
    for (int digit = 1; digit <= 9; ++digit) {
        const CellSet withDigit = CellsWith(grid, digit);
        for (int line = 0; line < BoxUnit(0); ++line) {
            const int first = UnitCells(line)[0];
            for (int i = 0; i < 3; ++i) {
                // Rows cross the boxes of their band, columns those of their stack.
                const int box = line < 9 ? 3 * (first / 27) + i : i * 3 + (first % 9) / 3;
                if (auto step = Confined(Technique::Claiming, withDigit, line, BoxUnit(box), digit))
                    return step;
            }
        }
    }
    return std::nullopt;
}
