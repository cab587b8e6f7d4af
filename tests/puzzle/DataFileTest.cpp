// The data.dat that ships with the game: lines 1-50 are distinct complete solutions.
#include "Placement.h"
#include "PuzzleFile.h"

#include <gtest/gtest.h>

#include <set>

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
