// What tessaly-solve prints for --rate and --explain.
#include "GridReport.h"

#include "SolutionCount.h"
#include "StepSolver.h"
#include "StepText.h"

namespace {

std::string RatingText(const PuzzleRating& rating)
{
    if (rating.needsTrialAndError)
        return "T&E needs trial and error";
    if (!rating.hardest)
        return "0.0 none";
    return FormatDifficulty(rating.difficulty) + " " + std::string(TechniqueName(*rating.hardest));
}

}  // namespace

std::string RateLine(const Grid81& grid)
{
    const int solutions = CountSolutions(grid, 2);
    if (solutions == 0)
        return "0 - no solution";
    return (solutions == 1 ? "1 " : "2+ ") + RatingText(RatePuzzle(grid));
}

std::string ExplainLines(const Grid81& grid)
{
    if (CountSolutions(grid, 1) == 0)
        return "No Answer\n";
    const LogicSolve solve = SolveWithSteps(grid);
    std::string text;
    for (const Step& step : solve.steps) {
        // A forcing chain takes several lines; the ones after its first are indented.
        std::string description = DescribeStep(step, CellNaming::GridRows);
        for (size_t at = description.find('\n'); at != std::string::npos; at = description.find('\n', at + 1))
            description.insert(at + 1, "    ");
        text += FormatDifficulty(step.difficulty) + " " + description + "\n";
    }
    return text + "rating " + RatingText(RateSteps(solve)) + "\n";
}
