// SolveGrid and CountSolutions: the cases file, and counting up to a limit.
#include "GridChecks.h"
#include "GridText.h"
#include "PuzzleFile.h"
#include "SolutionCount.h"
#include "Solver.h"
#include "UnitMatching.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

// The lines of a table file that are not empty and do not start with '#'.
std::vector<std::string> TableLines(const char* path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}

}  // namespace

// Every line of cases.txt (its answers are the plain search's). A grid with one completion is
// answered by the count up to two alone; only one with several needs the further searches for
// the smallest, within 82 frames. A grid without an answer leaves the result untouched,
// counts none and is refuted within a few dozen nodes.
TEST(SolverTest, CasesFileGivesTheSmallestCompletionOrNoAnswer)
{
    int cases = 0, several = 0;
    for (const std::string& line : TableLines(TESSALY_SOLVER_CASES)) {
        SCOPED_TRACE(line);
        ++cases;
        const Grid81 puzzle = ParsePuzzleLine(line.substr(0, line.find(':')));
        Grid81 untouched, completion{};
        untouched.fill(7);
        Grid81 result = untouched;
        SolveStats stats;
        const bool solved = SolveGrid(puzzle, result, stats);
        const int count = CountSolutions(puzzle, 2, completion);
        EXPECT_EQ(solved ? FormatGrid(result) : "No Answer", line.substr(line.find(':') + 1));
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
    }
    EXPECT_GE(cases, 27) << TESSALY_SOLVER_CASES;
    EXPECT_GE(several, 2);
}

// Rectangles of the full grid whose two digits can swap: rows 0/3 x columns 0/1, rows 1/4 x
// columns 6/7, rows 2/5 x columns 3/4; each emptied one doubles the completions. A value
// outside 0-9 is no grid: it counts none and is not solved either.
TEST(SolverTest, CountSolutionsCountsUpToTheLimit)
{
    const auto with = [](Grid81 grid, std::initializer_list<std::pair<int, int>> changes) {
        for (auto [index, value] : changes)
            grid[index] = value;
        return grid;
    };
    const Grid81 full = ParsePuzzleLine(
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642");
    const Grid81 threeRectangles = with(full, {{0, 0}, {1, 0}, {27, 0}, {28, 0}, {15, 0}, {16, 0},
                                               {42, 0}, {43, 0}, {21, 0}, {22, 0}, {48, 0}, {49, 0}});
    const struct { Grid81 grid; int limit, expected; } cases[] = {
        {full, 2, 1}, {with(full, {{80, 0}}), 5, 1}, {threeRectangles, 100, 8}, {threeRectangles, 5, 5},
        {threeRectangles, 0, 0}, {Grid81{}, 1000, 1000}, {with(Grid81{}, {{40, 10}}), 2, 0},
        {with(Grid81{}, {{40, -1}}), 2, 0},
        {ParsePuzzleLine("..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9"), 2, 1},
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

// Every line of bounds.txt: grids that once cost the search hundreds of thousands of boards get
// their answer within the boards the line allows.
TEST(SolverTest, BoundsFileKeepsEachGridWithinItsBoards)
{
    const std::vector<std::string> lines = TableLines(TESSALY_SOLVER_BOUNDS);
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        const std::size_t answerEnd = line.rfind(':');
        Grid81 result{};
        SolveStats stats;
        const bool solved = SolveGrid(ParsePuzzleLine(line.substr(0, 81)), result, stats);
        EXPECT_EQ(solved ? FormatGrid(result) : "No Answer", line.substr(82, answerEnd - 82));
        EXPECT_LE(stats.searchNodes, std::stoi(line.substr(answerEnd + 1)));
    }
    EXPECT_GE(lines.size(), 12u) << TESSALY_SOLVER_BOUNDS;
}

// Boards that singles and locked candidates leave consistent: in the first three a row, a box
// and a column cannot give their missing digits cells of their own (none has a completion); in
// the last two every unit can, though only by moving a digit to another of its cells.
TEST(SolverTest, UnitMatchingRefutesOnlyBoardsWithoutCompletion)
{
    const struct { const char* grid; bool holds; } cases[] = {
        {"..2.8.19....1........9........6.1.4..9......7...2.............15.1..76.8.46...2..", false},
        {"...27..9....9..61..94316..835.1..8...6.5.9...4..63...........2..3.76....5......6.", false},
        {"7..5..83.5..48.17....9...6............27....3..5293647...6..3.4...8...21..934..8.", false},
        {".....5.37....74..........9...5..2.....2.1.6.8..15.9..2.197...2....4....57........", true},
        {"...8...4.28.5...........5......619........3..6..9.5....3....6.4.....7......4.....", true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.grid);
        const Grid81 grid = ParsePuzzleLine(test.grid);
        BandBoard board;
        ASSERT_TRUE(board.Load(grid));
        EXPECT_EQ(UnitsCanHoldTheirDigits(board), test.holds);
        EXPECT_EQ(CountSolutions(grid, 1), test.holds ? 1 : 0);
    }
}
