// What a player needs to know to find the next digit: the steps that lead to it, and no others.
#include "StepExplanation.h"

#include "SolutionCount.h"
#include "StepSolver.h"

std::vector<Step> StepsToNextDigit(const Grid81& grid)
{
    const bool unique = CountSolutions(grid, 2) == 1;
    CandidateGrid state(grid);
    std::vector<Step> steps;
    for (;;) {
        std::optional<Step> step = FindEasiestStep(state, unique);
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
                kept[earlier] = kept[earlier] || steps[later].reads[removed.digit].Has(removed.cell);
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
