// CountSolutions: depth-first search on the cell with the fewest candidates.
#include "SolutionCount.h"

#include <bit>
#include <cstdint>

namespace {

struct Counter {
    Grid81 grid;
    std::uint16_t rows[9] = {};
    std::uint16_t columns[9] = {};
    std::uint16_t boxes[9] = {};
    int limit = 0;
    int found = 0;
    Grid81* first = nullptr;

    static int Box(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }

    std::uint16_t Used(int cell) const
    {
        return rows[cell / 9] | columns[cell % 9] | boxes[Box(cell)];
    }

    void Set(int cell, int digit)
    {
        const auto bit = static_cast<std::uint16_t>(1u << digit);
        grid[cell] = digit;
        rows[cell / 9] ^= bit;
        columns[cell % 9] ^= bit;
        boxes[Box(cell)] ^= bit;
    }

    void Search()
    {
        int best = -1;
        int bestCount = 10;
        for (int cell = 0; cell < 81; ++cell) {
            if (grid[cell] != 0)
                continue;
            const int count = 9 - std::popcount(Used(cell));
            if (count < bestCount) {
                best = cell;
                bestCount = count;
            }
        }
        if (best < 0) {
            if (found++ == 0 && first != nullptr)
                *first = grid;
            return;
        }
        const std::uint16_t used = Used(best);
        for (int digit = 1; digit <= 9 && found < limit; ++digit) {
            if ((used & (1u << digit)) != 0)
                continue;
            Set(best, digit);
            Search();
            Set(best, digit);
            grid[best] = 0;
        }
    }
};

}  // namespace

int CountSolutions(const Grid81& grid, int limit, Grid81& first)
{
    if (limit < 1)
        return 0;
    Counter counter;
    counter.grid.fill(0);
    counter.limit = limit;
    counter.first = &first;
    for (int cell = 0; cell < 81; ++cell) {
        const int digit = grid[cell];
        if (digit < 0 || digit > 9)
            return 0;
        if (digit == 0)
            continue;
        if ((counter.Used(cell) & (1u << digit)) != 0)
            return 0;
        counter.Set(cell, digit);
    }
    counter.Search();
    return counter.found;
}

int CountSolutions(const Grid81& grid, int limit)
{
    Grid81 unused;
    return CountSolutions(grid, limit, unused);
}
