// Row, column and box checks over plain loops.
#include "GridChecks.h"

#include "GridText.h"

#include <gtest/gtest.h>

bool HasRepeatedDigit(const Grid81& grid)
{
    for (int unit = 0; unit < 27; ++unit) {
        bool seen[10] = {};
        for (int i = 0; i < 9; ++i) {
            int cell = 0;
            if (unit < 9)
                cell = GridIndex(unit, i);
            else if (unit < 18)
                cell = GridIndex(i, unit - 9);
            else
                cell = GridIndex(3 * ((unit - 18) / 3) + i / 3, 3 * ((unit - 18) % 3) + i % 3);
            const int value = grid[cell];
            if (value == 0)
                continue;
            if (seen[value])
                return true;
            seen[value] = true;
        }
    }
    return false;
}

bool IsValidCompletionOf(const Grid81& grid, const Grid81& completion)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (completion[cell] < 1 || completion[cell] > 9)
            return false;
        if (grid[cell] != 0 && grid[cell] != completion[cell])
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
