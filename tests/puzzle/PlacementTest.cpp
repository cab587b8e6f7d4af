// The rule check of one cell's row, column and box, and the shipped data.dat that it vouches for.
#include "Placement.h"
#include "PuzzleFile.h"

#include <gtest/gtest.h>

#include <set>

TEST(PlacementTest, ChecksRowColumnAndBox)
{
    const struct { std::vector<std::pair<int, int>> nines; int row, column; bool valid; } cases[] = {
        {{{0, 0}, {0, 8}}, 0, 4, false}, {{{0, 0}, {0, 8}}, 4, 4, true},  // row
        {{{0, 3}, {7, 3}}, 4, 3, false}, {{{0, 3}, {7, 3}}, 4, 4, true},  // column
        {{{0, 0}, {1, 1}}, 2, 2, false}, {{{0, 0}, {1, 1}}, 2, 5, true},  // box
        {{{6, 6}, {8, 8}}, 7, 7, false}, {{}, 8, 8, true},
    };
    for (const auto& c : cases) {
        Grid81 grid{};
        for (auto [r, col] : c.nines)  // cells holding a 9
            grid[GridIndex(r, col)] = 9;
        EXPECT_EQ(IsPlacementValid(grid, c.row, c.column), c.valid) << c.row << "," << c.column;
    }
}

TEST(DataFileTest, LinesOneToFiftyAreDistinctCompleteSolutions)
{
    std::set<std::string> lines;
    for (int n = 1; n <= 50; ++n) {
        const PuzzleLineResult result = ReadPuzzleLine(TESSALY_DATA_FILE, n);
        ASSERT_TRUE(result.line && result.line->size() == 81u) << n;
        const Grid81 grid = ParsePuzzleLine(*result.line);
        for (int i = 0; i < 81; ++i)
            ASSERT_TRUE(grid[i] != 0 && IsPlacementValid(grid, i / 9, i % 9)) << "line " << n << " cell " << i;
        EXPECT_TRUE(lines.insert(*result.line).second) << "line " << n << " repeats an earlier one";
    }
}
