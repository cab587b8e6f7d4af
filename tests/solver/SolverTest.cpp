// SolveGrid and CountSolutions: grids without an answer, counting to a limit, and the cases file.
#include "GridChecks.h"
#include "ReferenceSolver.h"
#include "SolutionCount.h"
#include "Solver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

constexpr const char* kEmptyGridCompletion =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

Grid81 With(Grid81 grid, std::initializer_list<std::pair<int, int>> changes)
{
    for (auto [index, value] : changes)
        grid[index] = value;
    return grid;
}

// The last two, with open top rows, once cost the plain order its whole budget before the
// completion check refuted them; now every one is refuted in a few dozen nodes.
TEST(SolverTest, GridsWithoutAnAnswerLeaveTheResultUntouchedAndCountNone)
{
    const Grid81 full = GridFromText(kEmptyGridCompletion);
    const Grid81 grids[] = {
        With(full, {{1, full[0]}}),  // the plain search copies a full grid out unchecked
        // the plain search misses a repeat whose row, column and box have no empty cell
        With(full, {{0, full[1]}, {80, 0}}),
        With(Grid81{}, {{0, 4}, {20, 4}}),  // two givens in one box
        GridFromText(".12345678" "9........" "........." "........." "........." "........." "........." "........." "........."),
        With(Grid81{}, {{40, 10}}),
        With(Grid81{}, {{40, -1}}),
        // propagation leaves it open; at the first open cell no digit survives propagation
        GridFromText("...45...........238....34...143..89........1..97..43....1..29..6.29..53.97...1.4."),
        GridFromText("...........................43.1.57..9.584.....812.35...97....4.6245.8...8..7....."),
        GridFromText("........................................2...1....6.53....4.7.6..1....9..582......")};
    Grid81 untouched;
    untouched.fill(7);
    for (const Grid81& grid : grids) {
        SCOPED_TRACE(testing::PrintToString(grid));
        Grid81 result = untouched;
        SolveStats stats;
        EXPECT_FALSE(SolveGrid(grid, result, stats));
        EXPECT_EQ(result, untouched);
        EXPECT_LT(stats.searchNodes, 64);
        Grid81 completion{};
        EXPECT_EQ(CountSolutions(grid, 2, completion), 0);
        EXPECT_EQ(completion, Grid81{});
    }
}

// Rectangles of the full grid whose two digits can swap: rows 0/3 x columns 0/1, rows 1/4 x
// columns 6/7, rows 2/5 x columns 3/4; each emptied one doubles the completions.
TEST(SolverTest, CountSolutionsCountsUpToTheLimit)
{
    const Grid81 full = GridFromText(kEmptyGridCompletion);
    const Grid81 threeRectangles = With(full, {{0, 0}, {1, 0}, {27, 0}, {28, 0}, {15, 0}, {16, 0},
                                               {42, 0}, {43, 0}, {21, 0}, {22, 0}, {48, 0}, {49, 0}});
    const struct { Grid81 grid; int limit, expected; } cases[] = {
        {full, 2, 1}, {With(full, {{80, 0}}), 5, 1}, {threeRectangles, 100, 8}, {threeRectangles, 5, 5},
        {threeRectangles, 0, 0}, {Grid81{}, 1000, 1000},
        {GridFromText("..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9"), 2, 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << FormatGrid(test.grid) << " limit " << test.limit);
        Grid81 completion{};
        const int count = CountSolutions(test.grid, test.limit, completion);
        EXPECT_EQ(count, test.expected);
        EXPECT_EQ(CountSolutions(test.grid, test.limit), count);
        EXPECT_TRUE(count == 0 || IsValidCompletionOf(test.grid, completion)) << FormatGrid(completion);
    }
}

// Every line of cases.txt against the fast solver, and against the plain one where it finishes.
// A grid with one completion is answered by the count up to two alone; only one with several
// needs the further searches for the smallest. The search stays within 82 frames.
TEST(SolverTest, CasesFileAgreesWithBothSolvers)
{
    std::ifstream file(TESSALY_SOLVER_CASES);
    ASSERT_TRUE(file.is_open()) << TESSALY_SOLVER_CASES;
    int cases = 0, referenceRuns = 0, several = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        SCOPED_TRACE(line);
        const Grid81 puzzle = GridFromText(line.substr(0, line.find(':')).c_str());
        const std::string expected = line.substr(line.find(':') + 1);
        Grid81 result{};
        SolveStats stats;
        const bool solved = SolveGrid(puzzle, result, stats);
        EXPECT_EQ(solved ? FormatGrid(result) : "No Answer", expected);
        if (solved) {
            const bool unique = CountSolutions(puzzle, 2) == 1;
            EXPECT_EQ(stats.searches == 1, unique) << stats.searches;
            several += unique ? 0 : 1;
            EXPECT_GE(stats.deepestFrame, 1);
            EXPECT_LE(stats.deepestFrame, 82);
        }
        const ReferenceResult reference = ReferenceSolve(puzzle, 150'000);
        if (reference.outcome != ReferenceOutcome::GaveUp) {
            ++referenceRuns;
            const bool referenceSolved = reference.outcome == ReferenceOutcome::Solved;
            EXPECT_EQ(referenceSolved ? FormatGrid(reference.grid) : "No Answer", expected);
        }
        ++cases;
    }
    EXPECT_GE(cases, 20);
    EXPECT_GE(several, 2);
    EXPECT_GE(referenceRuns, cases - 6);
}

}  // namespace
