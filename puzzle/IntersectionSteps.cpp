// Pointing and claiming: a digit confined to where a box and a line meet.
#include "DirectSteps.h"
#include "GridUnits.h"
#include "StepTechniques.h"

namespace {

// Where the digit lies in `from` only within `within`: removes it from the rest of `within`.
std::optional<Step> Confined(Technique technique, const CellSet& withDigit, int from, int within, int digit)
{
    const CellSet inFrom = withDigit & UnitSet(from);
    if (inFrom.Empty() || (inFrom - UnitSet(within)).Any())
        return std::nullopt;
    const CellSet removed = (withDigit & UnitSet(within)) - UnitSet(from);
    if (removed.Empty())
        return std::nullopt;
    Step step;
    step.technique = technique;
    step.difficulty = BaseDifficulty(technique);
    step.cells = inFrom.Cells();
    step.digits = {digit};
    step.units = {from, within};
    for (const int cell : removed)
        step.eliminations.push_back({cell, digit});
    ReadDigit(step, digit, UnitSet(from));
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

// The first pointing (boxes into lines) or claiming (lines into boxes) for which `accept`
// returns a step.
template <typename Accept>
std::optional<Step> FirstIntersection(const CandidateGrid& grid, bool pointing, const PatternScope& scope, Accept accept)
{
    const Technique technique = pointing ? Technique::Pointing : Technique::Claiming;
    for (int digit = 1; digit <= 9; ++digit) {
        if ((scope.digits & (1u << digit)) == 0)
            continue;
        const CellSet& withDigit = grid.CellsWith(digit);
        for (int box = 0; box < 9; ++box) {
            // Either way the digit must have a place in the box.
            const unsigned inBox = grid.PositionsIn(BoxUnit(box), digit);
            if (inBox == 0)
                continue;
            const std::array<int, 6> lines = LinesThroughBox(box);
            for (int i = 0; i < 6; ++i) {
                const int line = lines[size_t(i)];
                // By position bits first, as that is cheap: the places of `from` outside `within`.
                const bool row = i < 3;
                const unsigned outside = pointing ? inBox & ~(row ? 7u << 3 * i : 0x49u << (i - 3))
                                                   : grid.PositionsIn(line, digit) & ~(7u << 3 * (row ? box % 3 : box / 3));
                if (outside != 0)
                    continue;
                const int from = pointing ? BoxUnit(box) : line;
                const int within = pointing ? line : BoxUnit(box);
                if (auto step = Confined(technique, withDigit, from, within, digit))
                    if (auto accepted = accept(std::move(*step)))
                        return accepted;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> Plain(Step step) { return step; }

}  // namespace

std::optional<Step> FindPointing(const CandidateGrid& grid, const PatternScope& scope)
{
    return FirstIntersection(grid, true, scope, Plain);
}

std::optional<Step> FindClaiming(const CandidateGrid& grid, const PatternScope& scope)
{
    return FirstIntersection(grid, false, scope, Plain);
}

std::optional<Step> FindDirectPointing(const CandidateGrid& grid)
{
    return FirstIntersection(grid, true, WholeGrid, [&grid](Step step) { return MakeDirect(grid, std::move(step)); });
}

std::optional<Step> FindDirectClaiming(const CandidateGrid& grid)
{
    return FirstIntersection(grid, false, WholeGrid, [&grid](Step step) { return MakeDirect(grid, std::move(step)); });
}
