// SolveGrid against the plain search, and CountSolutions against SolveGrid, on thousands of
// seeded grids of every kind.
#include "GridChecks.h"
#include "GridText.h"
#include "PuzzleMaker.h"
#include "ReferenceSolver.h"
#include "SolutionCount.h"
#include "Solver.h"

#include <gtest/gtest.h>

namespace {

constexpr int kGrids = 10'000;

// Plain cuts, one clue rewritten, a digit repeated in a row, two clues rewritten, in turn.
// Sparse cuts have many completions, dense ones few; the other kinds are mostly unsolvable
// and kept dense, as sparse unsolvable grids are the plain search's worst case. Around 22-32
// clues the plain search often needs millions of calls; those stay out.
Grid81 MakeSample(int index, const Grid81& solution, RandomGenerator& random)
{
    static constexpr int kClueCounts[] = {0, 4, 8, 12, 16, 19, 36, 40, 48, 56, 64, 72, 80};
    const int clues = kClueCounts[RandomBelow(random, std::size(kClueCounts))];
    Grid81 grid = KeepRandomClues(solution, clues, random);
    if (index % 4 == 1 || index % 4 == 3) {
        grid = KeepRandomClues(solution, index % 4 == 1 ? 36 + clues % 45 : 45 + clues % 36, random);
        for (int rewrites = index % 4 == 1 ? 1 : 2; rewrites > 0; --rewrites)
            RewriteOneClue(grid, random);
    } else if (index % 4 == 2) {
        grid = KeepRandomClues(solution, 30 + clues % 50, random);
        const int row = RandomBelow(random, 9), from = RandomBelow(random, 9), to = (from + 1 + RandomBelow(random, 8)) % 9;
        grid[GridIndex(row, from)] = grid[GridIndex(row, to)] = solution[GridIndex(row, from)];
    }
    return grid;
}

}  // namespace

TEST(DifferentialTest, AgreesWithPlainSearchOnSeededGrids)
{
    StdRandomGenerator random;
    random.Seed(20240611);
    int compared = 0, gaveUp = 0, solvable = 0;
    Grid81 solution{};
    for (int index = 0; index < kGrids; ++index) {
        if (index % 8 == 0)
            solution = MakeRandomSolution(random);
        const Grid81 grid = MakeSample(index, solution, random);
        Grid81 fast{};
        const bool fastSolved = SolveGrid(grid, fast);
        ASSERT_TRUE(!fastSolved || IsValidCompletionOf(grid, fast)) << FormatGrid(grid);
        // The counter against the solver: none exactly when no answer, one exactly when the
        // smallest and the largest completion agree.
        ASSERT_EQ(CountSolutions(grid, 2), !fastSolved ? 0 : HasUniqueCompletion(grid) ? 1 : 2) << FormatGrid(grid);
        const ReferenceResult reference = ReferenceSolve(grid, 20'000);
        if (reference.outcome == ReferenceOutcome::GaveUp) {
            ++gaveUp;
            continue;
        }
        // Repeated givens have no answer, though the plain search may copy them out as solved.
        const bool referenceSolved = reference.outcome == ReferenceOutcome::Solved && !HasRepeatedDigit(grid);
        ASSERT_EQ(fastSolved, referenceSolved) << FormatGrid(grid);
        ASSERT_TRUE(!fastSolved || fast == reference.grid) << FormatGrid(grid);
        ++compared;
        solvable += referenceSolved ? 1 : 0;
    }
    EXPECT_LE(gaveUp, kGrids / 50);
    EXPECT_GE(solvable, kGrids / 4);
    EXPECT_GE(compared - solvable, kGrids / 4);
}
