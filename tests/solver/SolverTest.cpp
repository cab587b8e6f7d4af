// SolveGrid and CountSolutions: the cases file against both solvers, and counting up to a limit.
#include "GridChecks.h"
#include "ReferenceSolver.h"
#include "SolutionCount.h"
#include "Solver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// Every line of cases.txt against the fast solver, and against the plain one where it finishes.
// A grid with one completion is answered by the count up to two alone; only one with several
// needs the further searches for the smallest, within 82 frames. A grid without an answer
// leaves the result untouched, counts none and is refuted within a few dozen nodes.
TEST(SolverTest, CasesFileAgreesWithBothSolvers)
{
    std::ifstream file(TESSALY_SOLVER_CASES);
    ASSERT_TRUE(file.is_open()) << TESSALY_SOLVER_CASES;
    int cases = 0, referenceRuns = 0, several = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        SCOPED_TRACE(line);
        ++cases;
        const Grid81 puzzle = GridFromText(line.substr(0, line.find(':')).c_str());
        const std::string expected = line.substr(line.find(':') + 1);
        Grid81 untouched, completion{};
        untouched.fill(7);
        Grid81 result = untouched;
        SolveStats stats;
        const bool solved = SolveGrid(puzzle, result, stats);
        const int count = CountSolutions(puzzle, 2, completion);
        EXPECT_EQ(solved ? FormatGrid(result) : "No Answer", expected);
        if (solved) {
            EXPECT_EQ(stats.searches == 1, count == 1) << stats.searches;
            EXPECT_TRUE(stats.deepestFrame >= 1 && stats.deepestFrame <= 82) << stats.deepestFrame;
            several += count == 2 ? 1 : 0;
        } else {
            EXPECT_EQ(result, untouched);
            EXPECT_EQ(count, 0);
            EXPECT_EQ(completion, Grid81{});
            EXPECT_LT(stats.searchNodes, 64);
        }
        const ReferenceResult reference = ReferenceSolve(puzzle, 150'000);
        if (reference.outcome != ReferenceOutcome::GaveUp) {
            ++referenceRuns;
            // The plain search takes a grid it fills for solved, repeats and all.
            const bool referenceSolved = reference.outcome == ReferenceOutcome::Solved && !HasRepeatedDigit(puzzle);
            EXPECT_EQ(referenceSolved ? FormatGrid(reference.grid) : "No Answer", expected);
        }
    }
    EXPECT_GE(cases, 27);
    EXPECT_GE(several, 2);
    EXPECT_GE(referenceRuns, cases - 8);
}

Grid81 With(Grid81 grid, std::initializer_list<std::pair<int, int>> changes)
{
    for (auto [index, value] : changes)
        grid[index] = value;
    return grid;
}

// Rectangles of the full grid whose two digits can swap: rows 0/3 x columns 0/1, rows 1/4 x
// columns 6/7, rows 2/5 x columns 3/4; each emptied one doubles the completions. A value
// outside 0-9 is no grid: it counts none and is not solved either.
TEST(SolverTest, CountSolutionsCountsUpToTheLimit)
{
    const Grid81 full = GridFromText(
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642");
    const Grid81 threeRectangles = With(full, {{0, 0}, {1, 0}, {27, 0}, {28, 0}, {15, 0}, {16, 0},
                                               {42, 0}, {43, 0}, {21, 0}, {22, 0}, {48, 0}, {49, 0}});
    const struct { Grid81 grid; int limit, expected; } cases[] = {
        {full, 2, 1}, {With(full, {{80, 0}}), 5, 1}, {threeRectangles, 100, 8}, {threeRectangles, 5, 5},
        {threeRectangles, 0, 0}, {Grid81{}, 1000, 1000}, {With(Grid81{}, {{40, 10}}), 2, 0},
        {With(Grid81{}, {{40, -1}}), 2, 0},
        {GridFromText("..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9"), 2, 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(test.grid) << " limit " << test.limit);
        Grid81 completion{};
        const int count = CountSolutions(test.grid, test.limit, completion);
        EXPECT_EQ(count, test.expected);
        EXPECT_EQ(CountSolutions(test.grid, test.limit), count);
        EXPECT_TRUE(count == 0 || IsValidCompletionOf(test.grid, completion)) << FormatGrid(completion);
        EXPECT_TRUE(count > 0 || test.limit == 0 || !SolveGrid(test.grid, completion));
    }
}

}  // namespace
