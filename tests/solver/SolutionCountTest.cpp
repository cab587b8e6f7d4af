// CountSolutions: exact counts below the limit, the limit itself, and the grids with none.
#include "GridChecks.h"
#include "GridText.h"
#include "SolutionCount.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

constexpr const char* kFull =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// kFull with cells emptied; each emptied swappable rectangle doubles the completions.
Grid81 FullWithout(std::initializer_list<int> cells)
{
    Grid81 grid = GridFromText(kFull);
    for (const int cell : cells)
        grid[cell] = 0;
    return grid;
}

Grid81 With(Grid81 grid, std::initializer_list<std::pair<int, int>> changes)
{
    for (const auto [cell, value] : changes)
        grid[cell] = value;
    return grid;
}

struct CountCase {
    const char* name;
    Grid81 grid;
    int limit;
    int expected;
};

TEST(SolutionCountTest, CountsUpToTheLimit)
{
    // Rectangles of kFull whose two digits can swap: rows 0/3 x columns 0/1, rows 1/4 x
    // columns 6/7, rows 2/5 x columns 3/4.
    const Grid81 full = GridFromText(kFull);
    const std::initializer_list<int> first = {0, 1, 27, 28};
    const Grid81 twoRectangles = FullWithout({0, 1, 27, 28, 15, 16, 42, 43});
    const Grid81 threeRectangles = FullWithout({0, 1, 27, 28, 15, 16, 42, 43, 21, 22, 48, 49});
    const CountCase cases[] = {
        {"valid full grid", full, 2, 1},
        {"one empty cell", With(full, {{80, 0}}), 5, 1},
        {"full grid with a repeat", With(full, {{1, 1}}), 2, 0},
        {"repeat in a full row, one empty cell elsewhere", With(full, {{0, 2}, {80, 0}}), 2, 0},
        {"two givens in one box", With(Grid81{}, {{0, 4}, {20, 4}}), 2, 0},
        {"value 10", With(full, {{40, 10}}), 2, 0},
        {"value -1", With(Grid81{}, {{40, -1}}), 2, 0},
        {"one rectangle", FullWithout(first), 5, 2},
        {"two rectangles", twoRectangles, 10, 4},
        {"three rectangles", threeRectangles, 100, 8},
        {"three rectangles, limit below the count", threeRectangles, 5, 5},
        {"limit 1", threeRectangles, 1, 1},
        {"limit 0", threeRectangles, 0, 0},
        {"empty grid", Grid81{}, 2, 2},
        {"empty grid, large limit", Grid81{}, 1000, 1000},
        {"unique puzzle",
         GridFromText("..............3.85..1.2.......5.7.....4...1...9......."
                      "5......73..2.1........4...9"), 2, 1},
        {"no completion, no repeat",
         GridFromText("3........2......1.....2.......63...1..8....767465.93.8"
                      "6...824..43579..8.9...5...7"), 2, 0},
        {"first empty cell sees all nine digits",
         GridFromText(".12345678" "9........" "........." "........." "........."
                      "........." "........." "........." "........."), 2, 0},
    };
    for (const CountCase& test : cases) {
        SCOPED_TRACE(test.name);
        Grid81 completion{};
        const int count = CountSolutions(test.grid, test.limit, completion);
        EXPECT_EQ(count, test.expected);
        EXPECT_EQ(CountSolutions(test.grid, test.limit), count);
        if (count > 0) {
            EXPECT_TRUE(IsValidCompletionOf(test.grid, completion)) << FormatGrid(completion);
        } else {
            EXPECT_EQ(completion, Grid81{});
        }
    }
}

}  // namespace
