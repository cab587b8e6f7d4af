// Puzzle texts read as the board shows them, and the board's Grid81 order.
#include "BoardTextOrder.h"

Grid81 SwapTextAndBoardOrder(const Grid81& cells)
{
    Grid81 swapped{};
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            swapped[GridIndex(column, row)] = cells[GridIndex(row, column)];
    return swapped;
}
