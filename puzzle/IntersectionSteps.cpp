// Pointing and claiming: a digit confined to where a box and a line meet.
#include "GridUnits.h"
#include "StepTechniques.h"

namespace {

// Where `digit` lies in `from` only within `within`: removes it from the rest of `within`.
std::optional<Step> Confined(const CandidateGrid& grid, Technique technique, int from, int within, int digit)
{
    Step step;
    for (const int cell : UnitCells(from)) {
        if (!grid.Has(cell, digit))
            continue;
        bool inside = false;
        for (const int other : UnitCells(within))
            inside = inside || other == cell;
        if (!inside)
            return std::nullopt;
        step.cells.push_back(cell);
    }
    if (step.cells.empty())
        return std::nullopt;
    for (const int cell : UnitCells(within)) {
        bool inFrom = false;
        for (const int other : UnitCells(from))
            inFrom = inFrom || other == cell;
        if (!inFrom && grid.Has(cell, digit))
            step.eliminations.push_back({cell, digit});
    }
    if (step.eliminations.empty())
        return std::nullopt;
    step.technique = technique;
    step.difficulty = BaseDifficulty(technique);
    step.digits = {digit};
    step.units = {from, within};
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
    for (int box = 0; box < 9; ++box)
        for (int digit = 1; digit <= 9; ++digit)
            for (const int line : LinesThroughBox(box))
                if (auto step = Confined(grid, Technique::Pointing, BoxUnit(box), line, digit))
                    return step;
    return std::nullopt;
}

std::optional<Step> FindClaiming(const CandidateGrid& grid)
{
    for (int line = 0; line < BoxUnit(0); ++line)
        for (int digit = 1; digit <= 9; ++digit)
            for (int box = 0; box < 9; ++box)
                if (auto step = Confined(grid, Technique::Claiming, line, BoxUnit(box), digit))
                    return step;
    return std::nullopt;
}
