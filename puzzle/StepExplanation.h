// What a player needs to know to find the next digit: the steps that lead to it, and no others.
#pragma once

#include "Grid81.h"
#include "SolveStep.h"

#include <vector>

// The steps from `grid` to its next digit, the step that places it last; before it only the
// steps whose removed candidates that step depends on, directly or through another kept
// step. Empty when the grid is full or the techniques find no digit.
std::vector<Step> StepsToNextDigit(const Grid81& grid);

// Where to guess when the techniques are stuck: the empty cell with the fewest candidates
// left after every step they find, the first in index order on a tie. -1 on a full grid.
int CellToGuess(const Grid81& grid);
