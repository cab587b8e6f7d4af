// SolveGrid against the plain search, and CountSolutions against SolveGrid, on thousands of
// seeded grids of every kind.
#include "GridChecks.h"
#include "GridText.h"
#include "PuzzleMaker.h"
#include "ReferenceSolver.h"
#include "SolutionCount.h"
#include "Solver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kGrids = 10'000;
constexpr long long kReferenceCallCap = 20'000;

enum class GridKind { Cut, RewrittenClue, RepeatedDigit, TwoRewrittenClues };

struct GridSample {
    Grid81 grid{};
    GridKind kind = GridKind::Cut;
};

// Writes into a random filled cell the digit of another filled cell of its row.
void RepeatADigit(Grid81& grid, RandomGenerator& random)
{
    for (int tries = 0; tries < 100; ++tries) {
        const int row = RandomBelow(random, 9);
        const int from = GridIndex(row, RandomBelow(random, 9));
        const int to = GridIndex(row, RandomBelow(random, 9));
        if (from != to && grid[from] != 0 && grid[to] != 0) {
            grid[to] = grid[from];
            return;
        }
    }
}

// Sparse cuts have many completions, dense ones few; the rewritten and repeated kinds are
// mostly unsolvable.
GridSample MakeSample(int index, const Grid81& solution, RandomGenerator& random)
{
    // Around 22-32 clues the plain search often needs millions of calls; those stay out.
    static constexpr int kClueCounts[] = {0, 4, 8, 12, 16, 19, 36, 40, 48, 56, 64, 72, 80};
    const int clues = kClueCounts[RandomBelow(random, std::size(kClueCounts))];
    GridSample sample;
    sample.kind = static_cast<GridKind>(index % 4);
    sample.grid = KeepRandomClues(solution, clues, random);
    switch (sample.kind) {
    case GridKind::Cut:
        break;
    case GridKind::RewrittenClue:
        // A sparse unsolvable grid is the plain search's worst case; only dense ones here.
        sample.grid = KeepRandomClues(solution, 36 + clues % 45, random);
        RewriteOneClue(sample.grid, random);
        break;
    case GridKind::RepeatedDigit:
        sample.grid = KeepRandomClues(solution, 30 + clues % 50, random);
        RepeatADigit(sample.grid, random);
        break;
    case GridKind::TwoRewrittenClues:
        sample.grid = KeepRandomClues(solution, 45 + clues % 36, random);
        RewriteOneClue(sample.grid, random);
        RewriteOneClue(sample.grid, random);
        break;
    }
    return sample;
}

std::string Answer(bool solved, const Grid81& grid) { return solved ? FormatGrid(grid) : "No Answer"; }

TEST(DifferentialTest, AgreesWithPlainSearchOnSeededGrids)
{
    StdRandomGenerator random;
    random.Seed(20240611);
    int compared = 0;
    int gaveUp = 0;
    int solvable = 0;
    int repeats = 0;
    Grid81 solution{};
    for (int index = 0; index < kGrids; ++index) {
        if (index % 8 == 0)
            solution = MakeRandomSolution(random);
        const GridSample sample = MakeSample(index, solution, random);
        Grid81 fast{};
        const bool fastSolved = SolveGrid(sample.grid, fast);
        if (fastSolved) {
            ASSERT_TRUE(IsValidCompletionOf(sample.grid, fast)) << FormatGrid(sample.grid);
        }
        // The counter against the solver: none exactly when no answer, one exactly when the
        // smallest and the largest completion agree.
        const int count = CountSolutions(sample.grid, 2);
        ASSERT_EQ(count, !fastSolved                       ? 0
                         : HasUniqueCompletion(sample.grid) ? 1
                                                            : 2)
            << FormatGrid(sample.grid);
        const ReferenceResult reference = ReferenceSolve(sample.grid, kReferenceCallCap);
        if (reference.outcome == ReferenceOutcome::GaveUp) {
            ++gaveUp;
            continue;
        }
        // Repeated givens have no answer, though the plain search may copy them out as solved.
        const bool repeated = HasRepeatedDigit(sample.grid);
        const bool referenceSolved = reference.outcome == ReferenceOutcome::Solved && !repeated;
        ASSERT_EQ(Answer(fastSolved, fast), Answer(referenceSolved, reference.grid))
            << FormatGrid(sample.grid);
        ++compared;
        solvable += referenceSolved ? 1 : 0;
        repeats += repeated ? 1 : 0;
    }
    RecordProperty("gave_up", gaveUp);
    std::cout << "compared " << compared << ", solvable " << solvable << ", with repeats "
              << repeats << ", reference gave up on " << gaveUp << "\n";
    EXPECT_LE(gaveUp, kGrids / 50);
    EXPECT_GE(solvable, kGrids / 4);
    EXPECT_GE(compared - solvable, kGrids / 4);
}

}  // namespace
