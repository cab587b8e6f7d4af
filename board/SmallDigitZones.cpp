// SmallDigitAt: a cell's ninths by integer division, so the zones tile it without gaps.
#include "SmallDigitZones.h"

int SmallDigitAt(const Rect& cell, int x, int y)
{
    if (!cell.Contains(x, y))
        return 0;
    const int column = (x - cell.left) * 3 / cell.Width();
    const int row = (y - cell.top) * 3 / cell.Height();
    return 3 * row + column + 1;
}
