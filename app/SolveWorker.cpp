// What the window's solver thread answers: the completion of a grid and, for a new puzzle, its rating.
#include "SolveWorker.h"

#include "Solver.h"

SolveOutcome SolveAndDescribe(const SolveQuestion& question)
{
    Grid81 result{};
    if (!SolveGrid(question.grid, result))
        return {};
    return {result, question.describe ? question.describe(question.grid) : std::string()};
}
