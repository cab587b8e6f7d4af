// What a player needs to know to find the next digit: the steps that lead to it, and no others.
#include "StepExplanation.h"

#include "GridUnits.h"
#include "StepSolver.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<int>& values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool InUnit(int unit, int cell)
{
    const auto& cells = UnitCells(unit);
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

// True when `step` reads the candidate that `removed` took away, so needs it gone.
bool DependsOn(const Step& step, const CellDigit& removed)
{
    // Which candidates each technique reads: those of its cells, or those of its digits in
    // whole units (a hidden single needs the digit gone from the rest of its unit).
    switch (step.technique) {
    case Technique::FullHouse:
    case Technique::NakedSingle:
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
    case Technique::XYWing:
    case Technique::XYZWing:
    case Technique::XYChain:
        return Contains(step.cells, removed.cell);
    case Technique::HiddenSingleInBox:
    case Technique::HiddenSingleInLine:
    case Technique::Pointing:
    case Technique::Claiming:
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return Contains(step.digits, removed.digit) && InUnit(step.units.front(), removed.cell);
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish: {
        const size_t baseLines = step.units.size() / 2;
        bool inBase = false;
        for (size_t i = 0; i < baseLines; ++i)
            inBase = inBase || InUnit(step.units[i], removed.cell);
        return removed.digit == step.digits.front() && inBase;
    }
    case Technique::XChain: {
        bool inLink = false;
        for (const int unit : step.units)
            inLink = inLink || InUnit(unit, removed.cell);
        return removed.digit == step.digits.front() && inLink;
    }
    }
    return true;
}

}  // namespace

std::vector<Step> StepsToNextDigit(const Grid81& grid)
{
    CandidateGrid state(grid);
    std::vector<Step> steps;
    for (;;) {
        std::optional<Step> step = FindEasiestStep(state);
        if (!step)
            return {};
        ApplyStep(state, *step);
        steps.push_back(std::move(*step));
        if (!steps.back().placements.empty())
            break;
    }
    // Walk back from the placing step, keeping each earlier step that a kept step needs.
    std::vector<bool> kept(steps.size(), false);
    kept.back() = true;
    for (size_t later = steps.size(); later-- > 0;) {
        if (!kept[later])
            continue;
        for (size_t earlier = 0; earlier < later; ++earlier)
            for (const CellDigit& removed : steps[earlier].eliminations)
                kept[earlier] = kept[earlier] || DependsOn(steps[later], removed);
    }
    std::vector<Step> needed;
    for (size_t i = 0; i < steps.size(); ++i)
        if (kept[i])
            needed.push_back(std::move(steps[i]));
    return needed;
}

int CellToGuess(const Grid81& grid)
{
    const CandidateGrid end = SolveWithSteps(grid).end;
    int best = -1;
    for (int cell = 0; cell < 81; ++cell) {
        if (end.Value(cell) != 0)
            continue;
        if (best < 0 || CountDigits(end.Candidates(cell)) < CountDigits(end.Candidates(best)))
            best = cell;
    }
    return best;
}
