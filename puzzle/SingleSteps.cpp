// Full house, hidden single and naked single: the steps that place a digit.
#include "GridUnits.h"
#include "StepTechniques.h"

namespace {

Step Placement(Technique technique, int cell, int digit, int unit)
{
    Step step;
    step.technique = technique;
    step.difficulty = BaseDifficulty(technique);
    step.cells = {cell};
    step.digits = {digit};
    step.placements = {{cell, digit}};
    if (unit >= 0)
        step.units = {unit};
    // A hidden single needs the digit gone from the rest of its unit, the others need the
    // cell's other digits gone.
    if (technique == Technique::HiddenSingleInBox || technique == Technique::HiddenSingleInLine)
        ReadDigit(step, digit, UnitSet(unit));
    else
        ReadCell(step, cell);
    return step;
}

}  // namespace

std::optional<Step> FindFullHouse(const CandidateGrid& grid)
{
    for (int unit = 0; unit < UnitCount; ++unit) {
        int emptyCell = -1;
        int empties = 0;
        for (const int cell : UnitCells(unit)) {
            if (grid.Value(cell) == 0) {
                emptyCell = cell;
                ++empties;
            }
        }
        if (empties == 1 && CountDigits(grid.Candidates(emptyCell)) == 1)
            return Placement(Technique::FullHouse, emptyCell, LowestDigit(grid.Candidates(emptyCell)), unit);
    }
    return std::nullopt;
}

std::optional<Step> FindHiddenSingle(const CandidateGrid& grid, bool inBoxes)
{
    const int first = inBoxes ? BoxUnit(0) : 0;
    const int last = inBoxes ? UnitCount : BoxUnit(0);
    const Technique technique = inBoxes ? Technique::HiddenSingleInBox : Technique::HiddenSingleInLine;
    for (int unit = first; unit < last; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            const unsigned positions = grid.PositionsIn(unit, digit);
            if (BitCount(positions) == 1)
                return Placement(technique, UnitCells(unit)[std::countr_zero(positions)], digit, unit);
        }
    }
    return std::nullopt;
}

std::optional<Step> FindNakedSingle(const CandidateGrid& grid)
{
    for (int cell = 0; cell < 81; ++cell)
        if (grid.Value(cell) == 0 && CountDigits(grid.Candidates(cell)) == 1)
            return Placement(Technique::NakedSingle, cell, LowestDigit(grid.Candidates(cell)), -1);
    return std::nullopt;
}
