// The rule check of one cell's row, column and box.
#include "Placement.h"

#include <gtest/gtest.h>

TEST(PlacementTest, ChecksRowColumnAndBox)
{
    const struct {
        std::vector<std::pair<int, int>> nines;  // cells holding a 9
        int row, column;
        bool valid;
    } cases[] = {
        {{{0, 0}, {0, 8}}, 0, 4, false}, {{{0, 0}, {0, 8}}, 4, 4, true},  // row
        {{{0, 3}, {7, 3}}, 4, 3, false}, {{{0, 3}, {7, 3}}, 4, 4, true},  // column
        {{{0, 0}, {1, 1}}, 2, 2, false}, {{{0, 0}, {1, 1}}, 2, 5, true},  // box
        {{{6, 6}, {8, 8}}, 7, 7, false}, {{}, 8, 8, true},
    };
    for (const auto& c : cases) {
        Grid81 grid{};
        for (auto [r, col] : c.nines)
            grid[GridIndex(r, col)] = 9;
        EXPECT_EQ(IsPlacementValid(grid, c.row, c.column), c.valid) << c.row << "," << c.column;
    }
}
