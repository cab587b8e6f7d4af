// Row, column and box checks over plain loops.
#include "GridChecks.h"

#include "GridText.h"

#include <gtest/gtest.h>

#include <utility>

bool HasRepeatedDigit(const Grid81& grid)
{
    for (int unit = 0; unit < 9; ++unit) {
        bool inRow[10] = {}, inColumn[10] = {}, inBox[10] = {};
        for (int i = 0; i < 9; ++i) {
            const int cells[] = {GridIndex(unit, i), GridIndex(i, unit),
                                 GridIndex(3 * (unit / 3) + i / 3, 3 * (unit % 3) + i % 3)};
            bool* seen[] = {inRow, inColumn, inBox};
            for (int k = 0; k < 3; ++k) {
                const int value = grid[cells[k]];
                if (value != 0 && std::exchange(seen[k][value], true))
                    return true;
            }
        }
    }
    return false;
}

bool IsValidCompletionOf(const Grid81& grid, const Grid81& completion)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (completion[cell] < 1 || completion[cell] > 9 ||
            (grid[cell] != 0 && grid[cell] != completion[cell]))
            return false;
    }
    return !HasRepeatedDigit(completion);
}

Grid81 GridFromText(const char* text)
{
    const auto grid = ParseGridLine(text);
    EXPECT_TRUE(grid.has_value()) << text;
    return grid.value_or(Grid81{});
}
