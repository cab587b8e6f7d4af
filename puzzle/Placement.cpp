// IsPlacementValid: one pass of nine rounds over row, column and box, with early exit.
#include "Placement.h"

namespace {

// Marks value v as seen; false when it was seen already. Values outside 1-9 are skipped.
bool MarkSeen(bool (&seen)[10], int v)
{
    if (v < 1 || v > 9)
        return true;
    if (seen[v])
        return false;
    seen[v] = true;
    return true;
}

}  // namespace

bool IsPlacementValid(const Grid81& grid, int row, int column)
{
    bool rowSeen[10] = {};
    bool columnSeen[10] = {};
    bool boxSeen[10] = {};
    const int boxRow = 3 * (row / 3);
    const int boxColumn = 3 * (column / 3);
    for (int i = 0; i < 9; ++i) {
        if (!MarkSeen(rowSeen, grid[GridIndex(row, i)]))
            return false;
        if (!MarkSeen(columnSeen, grid[GridIndex(i, column)]))
            return false;
        if (!MarkSeen(boxSeen, grid[GridIndex(boxRow + i / 3, boxColumn + i % 3)]))
            return false;
    }
    return true;
}
