// Steps in a player's words, with cells and units named as the player sees them.
#pragma once

#include "SolveStep.h"

#include <string>

// How rows, columns and boxes are named. GridRows: as the grid is read, a row of Grid81 is
// a row. RowsShownAsColumns: as the board shows the grid, where the cells of a Grid81 row
// form a column from top to bottom, so the cell (row r, column c) is on screen in row
// c + 1, column r + 1 (counted from the top and from the left).
enum class CellNaming { GridRows, RowsShownAsColumns };

// "row 3, column 7".
std::string CellName(int cell, CellNaming naming);
// "row 3", "column 7", "the top-left box".
std::string UnitName(int unit, CellNaming naming);
// One sentence: "Naked single: row 2, column 5 can only take the 7."
std::string DescribeStep(const Step& step, CellNaming naming);
