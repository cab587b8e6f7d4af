// The data.dat that ships with the game: lines 1-50 are distinct complete solutions.
#include "PuzzleFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

bool IsCompleteSolution(const Grid81& grid)
{
    for (int unit = 0; unit < 9; ++unit) {
        std::set<int> row, column, box;
        for (int i = 0; i < 9; ++i) {
            row.insert(grid[GridIndex(unit, i)]);
            column.insert(grid[GridIndex(i, unit)]);
            box.insert(grid[GridIndex(3 * (unit / 3) + i / 3, 3 * (unit % 3) + i % 3)]);
        }
        for (const std::set<int>* digits : {&row, &column, &box}) {
            if (digits->size() != 9 || digits->count(0))
                return false;
        }
    }
    return true;
}

TEST(DataFileTest, LinesOneToFiftyAreDistinctCompleteSolutions)
{
    std::set<std::string> lines;
    for (int n = 1; n <= 50; ++n) {
        const PuzzleLineResult result = ReadPuzzleLine(TESSALY_DATA_FILE, n);
        ASSERT_TRUE(result.line.has_value()) << n;
        EXPECT_EQ(result.line->size(), 81u) << n;
        EXPECT_TRUE(IsCompleteSolution(ParsePuzzleLine(*result.line))) << n;
        EXPECT_TRUE(lines.insert(*result.line).second) << "line " << n << " repeats an earlier one";
    }
}

TEST(DataFileTest, SolutionCheckRejectsARepeatedDigit)
{
    const std::string valid =
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    ASSERT_TRUE(IsCompleteSolution(ParsePuzzleLine(valid)));
    std::string swapped = valid;
    std::swap(swapped[0], swapped[1]);  // rows stay complete, columns and the box do not
    EXPECT_FALSE(IsCompleteSolution(ParsePuzzleLine(swapped)));
    EXPECT_FALSE(IsCompleteSolution(ParsePuzzleLine(valid.substr(0, 80))));
}

}  // namespace
