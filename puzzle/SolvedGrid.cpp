// A solved grid: each of the 27 units holds the nine digits.
#include "SolvedGrid.h"

#include "GridUnits.h"

bool IsSolvedGrid(const Grid81& grid)
{
    constexpr unsigned allDigits = 0x3FE;  // bits 1-9
    for (int unit = 0; unit < UnitCount; ++unit) {
        unsigned seen = 0;
        for (const int cell : UnitCells(unit)) {
            const int value = grid[cell];
            if (value < 1 || value > 9)
                return false;
            seen |= 1u << value;
        }
        if (seen != allDigits)
            return false;
    }
    return true;
}
