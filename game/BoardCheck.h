// The answer to "Done! Am I Right?" for a board.
#pragma once

#include "Grid81.h"

enum class DoneVerdict { Incomplete, Wrong, Correct };

// `board` holds what the cells show (0 = empty), `puzzle` the givens (0 = not given).
// A full board that keeps every given and holds 1-9 once in each row, column and box is
// Correct, even where it differs from `solution`: random blanking often leaves a puzzle
// more than one solution. Any other board is walked in index order and its first empty
// cell gives Incomplete, its first cell that differs from `solution` gives Wrong; a board
// equal to `solution` is Correct.
DoneVerdict JudgeBoard(const Grid81& board, const Grid81& puzzle, const Grid81& solution);
