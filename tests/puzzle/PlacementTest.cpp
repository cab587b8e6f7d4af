// The rule check of one cell's row, column and box.
#include "Placement.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase {
    const char* name;
    std::vector<std::pair<int, int>> fives;  // cells holding a 5
    int row, column;
    bool valid;
};

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, ChecksRowColumnAndBox)
{
    Grid81 grid{};
    for (auto [r, c] : GetParam().fives)
        grid[GridIndex(r, c)] = 5;
    EXPECT_EQ(IsPlacementValid(grid, GetParam().row, GetParam().column), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacementTest,
    testing::Values(PlacementCase{"RepeatInRow", {{0, 0}, {0, 8}}, 0, 4, false},
                    PlacementCase{"RowRepeatSeenFromOtherRow", {{0, 0}, {0, 8}}, 4, 4, true},
                    PlacementCase{"RepeatInBox", {{0, 0}, {1, 1}}, 2, 2, false},
                    PlacementCase{"BoxRepeatSeenFromNextBox", {{0, 0}, {1, 1}}, 2, 5, true},
                    PlacementCase{"RepeatInColumn", {{0, 3}, {7, 3}}, 4, 3, false},
                    PlacementCase{"RepeatInLastBox", {{6, 6}, {8, 8}}, 7, 7, false},
                    PlacementCase{"ColumnRepeatSeenFromNextColumn", {{0, 3}, {7, 3}}, 4, 4, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlacementTest, EmptyGridIsValidEverywhere)
{
    for (int i = 0; i < 81; ++i)
        EXPECT_TRUE(IsPlacementValid(Grid81{}, i / 9, i % 9)) << i;
}

TEST(PlacementTest, ValuesOutsideOneToNineAreIgnored)
{
    Grid81 grid{};
    grid[GridIndex(0, 2)] = 10;
    grid[GridIndex(0, 3)] = 10;
    EXPECT_TRUE(IsPlacementValid(grid, 0, 5));
}

}  // namespace
