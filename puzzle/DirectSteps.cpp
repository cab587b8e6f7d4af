// The direct variants of pointing, claiming and hidden subsets: the pattern with the single it leaves.
#include "DirectSteps.h"

#include "GridUnits.h"
#include "StepTechniques.h"

namespace {

Technique DirectVariant(Technique technique)
{
    switch (technique) {
    case Technique::Pointing: return Technique::DirectPointing;
    case Technique::Claiming: return Technique::DirectClaiming;
    case Technique::HiddenPair: return Technique::DirectHiddenPair;
    default: return Technique::DirectHiddenTriple;
    }
}

// The unit of `cell` of the same kind as `unit`: its box for a box, its row for a row.
int UnitOfKind(int cell, int unit)
{
    return UnitsOfCell(cell)[int(KindOfUnit(unit))];
}

}  // namespace

std::optional<Step> MakeDirect(const CandidateGrid& grid, Step step)
{
    CandidateGrid after = grid;
    for (const CellDigit& removed : step.eliminations)
        after.Eliminate(removed.cell, removed.digit);
    // The single must appear in a unit of the kind the pattern is found in: a box for
    // pointing, a line for claiming, the subset's own unit for a hidden subset.
    for (const CellDigit& removed : step.eliminations) {
        const int unit = UnitOfKind(removed.cell, step.units.front());
        const CellSet places = after.CellsWith(removed.digit) & UnitSet(unit);
        if (places.Count() != 1)
            continue;
        const int cell = places.First();
        step.technique = DirectVariant(step.technique);
        step.difficulty = BaseDifficulty(step.technique);
        step.cells.push_back(cell);
        step.digits.push_back(removed.digit);
        step.units.push_back(unit);
        step.eliminations.clear();
        step.placements = {{cell, removed.digit}};
        ReadDigit(step, removed.digit, UnitSet(unit));
        return step;
    }
    return std::nullopt;
}
