// The data.dat that ships with the game: lines 1-50 are distinct complete solutions.
#include "PuzzleFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

bool IsCompleteSolution(const Grid81& grid)
{
    for (int unit = 0; unit < 9; ++unit) {
        bool inRow[10] = {}, inColumn[10] = {}, inBox[10] = {};
        for (int i = 0; i < 9; ++i) {
            inRow[grid[GridIndex(unit, i)]] = true;
            inColumn[grid[GridIndex(i, unit)]] = true;
            inBox[grid[GridIndex(3 * (unit / 3) + i / 3, 3 * (unit % 3) + i % 3)]] = true;
        }
        for (int d = 1; d <= 9; ++d) {
            if (!inRow[d] || !inColumn[d] || !inBox[d])
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
