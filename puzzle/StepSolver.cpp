// Solves a grid the way a person does, one easiest step at a time, and rates it by its hardest step.
#include "StepSolver.h"

#include "StepTechniques.h"

namespace {

using Finder = std::optional<Step> (*)(const CandidateGrid&);

// Every technique, easiest first (the chains come last, shortest first).
constexpr Finder Techniques[] = {
    FindFullHouse,
    [](const CandidateGrid& grid) { return FindHiddenSingle(grid, true); },
    [](const CandidateGrid& grid) { return FindHiddenSingle(grid, false); },
    FindNakedSingle,
    FindPointing,
    FindClaiming,
    [](const CandidateGrid& grid) { return FindNakedSubset(grid, 2); },
    [](const CandidateGrid& grid) { return FindFish(grid, 2); },
    [](const CandidateGrid& grid) { return FindHiddenSubset(grid, 2); },
    [](const CandidateGrid& grid) { return FindNakedSubset(grid, 3); },
    [](const CandidateGrid& grid) { return FindFish(grid, 3); },
    [](const CandidateGrid& grid) { return FindHiddenSubset(grid, 3); },
    FindXYWing,
    FindXYZWing,
    [](const CandidateGrid& grid) { return FindNakedSubset(grid, 4); },
    [](const CandidateGrid& grid) { return FindFish(grid, 4); },
    [](const CandidateGrid& grid) { return FindHiddenSubset(grid, 4); },
    FindChain,
};

}  // namespace

std::optional<Step> FindTechnique(const CandidateGrid& grid, Technique technique)
{
    switch (technique) {
    case Technique::FullHouse: return FindFullHouse(grid);
    case Technique::HiddenSingleInBox: return FindHiddenSingle(grid, true);
    case Technique::HiddenSingleInLine: return FindHiddenSingle(grid, false);
    case Technique::NakedSingle: return FindNakedSingle(grid);
    case Technique::Pointing: return FindPointing(grid);
    case Technique::Claiming: return FindClaiming(grid);
    case Technique::NakedPair: return FindNakedSubset(grid, 2);
    case Technique::XWing: return FindFish(grid, 2);
    case Technique::HiddenPair: return FindHiddenSubset(grid, 2);
    case Technique::NakedTriple: return FindNakedSubset(grid, 3);
    case Technique::Swordfish: return FindFish(grid, 3);
    case Technique::HiddenTriple: return FindHiddenSubset(grid, 3);
    case Technique::XYWing: return FindXYWing(grid);
    case Technique::XYZWing: return FindXYZWing(grid);
    case Technique::NakedQuad: return FindNakedSubset(grid, 4);
    case Technique::Jellyfish: return FindFish(grid, 4);
    case Technique::HiddenQuad: return FindHiddenSubset(grid, 4);
    case Technique::XChain: return FindXChain(grid);
    case Technique::XYChain: return FindXYChain(grid);
    }
    return std::nullopt;
}

std::optional<Step> FindEasiestStep(const CandidateGrid& grid)
{
    for (const Finder find : Techniques)
        if (auto step = find(grid))
            return step;
    return std::nullopt;
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
    LogicSolve solve{{}, CandidateGrid(grid), false};
    // Every step places a digit or removes a candidate, so the loop ends.
    while (!solve.end.IsFull()) {
        std::optional<Step> step = FindEasiestStep(solve.end);
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
