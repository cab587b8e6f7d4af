// Solves a grid the way a person does, one easiest step at a time, and rates it by its hardest step.
#include "StepSolver.h"

#include "SolutionCount.h"
#include "TechniqueTable.h"

std::optional<Step> FindEasiestStep(const CandidateGrid& grid, bool uniqueSolution)
{
    // A technique whose difficulty grows with its size may find a step harder than the next
    // techniques' smallest, so the walk goes on while a later technique could still do better.
    std::optional<Step> easiest;
    for (const TechniqueInfo& info : TechniqueTable()) {
        if (easiest && info.difficulty >= easiest->difficulty)
            break;
        if (info.needsUniqueSolution && !uniqueSolution)
            continue;
        // The nested chains are there so that a grid with one solution always has a path; on
        // a grid with several they would search every level in vain, for a minute or more.
        if (!uniqueSolution && info.technique >= Technique::NestedForcingChains)
            break;
        std::optional<Step> step = info.find(grid, easiest ? easiest->difficulty : 1000);
        if (step && (!easiest || step->difficulty < easiest->difficulty))
            easiest = std::move(step);
    }
    return easiest;
}

void ApplyStep(CandidateGrid& grid, const Step& step)
{
    for (const CellDigit& placement : step.placements)
        grid.Place(placement.cell, placement.digit);
    for (const CellDigit& elimination : step.eliminations)
        grid.Eliminate(elimination.cell, elimination.digit);
}

LogicSolve SolveWithSteps(const Grid81& grid)
{
    const bool unique = CountSolutions(grid, 2) == 1;
    LogicSolve solve{{}, CandidateGrid(grid), false};
    // Every step places a digit or removes a candidate, so the loop ends.
    while (!solve.end.IsFull()) {
        std::optional<Step> step = FindEasiestStep(solve.end, unique);
        if (!step)
            return solve;
        ApplyStep(solve.end, *step);
        solve.steps.push_back(std::move(*step));
    }
    solve.solved = true;
    return solve;
}

PuzzleRating RateSteps(const LogicSolve& solve)
{
    PuzzleRating rating;
    rating.needsTrialAndError = !solve.solved;
    for (const Step& step : solve.steps) {
        if (step.difficulty > rating.difficulty) {
            rating.difficulty = step.difficulty;
            rating.hardest = step.technique;
        }
    }
    return rating;
}

PuzzleRating RatePuzzle(const Grid81& grid)
{
    return RateSteps(SolveWithSteps(grid));
}

std::string FormatDifficulty(int tenths)
{
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}
