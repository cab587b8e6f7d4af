// Solves a grid the way a person does, one easiest step at a time, and rates it by its hardest step.
#pragma once

#include "CandidateGrid.h"
#include "Grid81.h"
#include "SolveStep.h"

#include <optional>
#include <string>
#include <vector>

// The easiest step on `grid`, trying the techniques from the easiest up; nothing when the
// grid is full or no technique applies. The techniques that rely on a single completion
// take part only when `uniqueSolution` says the grid has exactly one.
std::optional<Step> FindEasiestStep(const CandidateGrid& grid, bool uniqueSolution);

// Writes the step's placements and removes its eliminations.
void ApplyStep(CandidateGrid& grid, const Step& step);

struct LogicSolve {
    std::vector<Step> steps;
    CandidateGrid end;     // the grid and candidates after the last step
    bool solved = false;   // the steps filled the grid
};

// Easiest steps from `grid` until it is full or no technique applies; the uniqueness
// techniques take part when the grid has exactly one completion. The grid should repeat
// no digit; on one without a completion the steps prove nothing.
LogicSolve SolveWithSteps(const Grid81& grid);

struct PuzzleRating {
    bool needsTrialAndError = false;  // the techniques cannot finish it: harder than all of them
    int difficulty = 0;               // the hardest step's, in tenths; 0 when no step was needed
    std::optional<Technique> hardest; // the hardest step's technique
};

PuzzleRating RateSteps(const LogicSolve& solve);
PuzzleRating RatePuzzle(const Grid81& grid);

// Tenths as a player reads them: 32 -> "3.2".
std::string FormatDifficulty(int tenths);
