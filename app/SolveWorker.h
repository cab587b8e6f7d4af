// What the window's solver thread answers: the completion of a grid and, for a new puzzle, its rating.
#pragma once

#include "Grid81.h"
#include "Worker.h"

#include <optional>
#include <string>

struct SolveQuestion {
    Grid81 grid{};
    // The words on the solved grid (its rating, which may take seconds, so on the thread as
    // well), or null for none.
    std::string (*describe)(const Grid81& grid) = nullptr;
};

struct SolveOutcome {
    std::optional<Grid81> answer;  // empty when the grid has no completion
    std::string description;       // describe's words when there is an answer
};

// SolveGrid's completion, then the description.
SolveOutcome SolveAndDescribe(const SolveQuestion& question);

using SolveWorker = Worker<SolveQuestion, SolveOutcome>;
