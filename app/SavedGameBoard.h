// The game on the board as a SavedGame, and a SavedGame put back onto the board.
#pragma once

#include "SavedGame.h"

class CBoardWnd;

// What the cells show, the puzzle, the solution, `hintsUsed` and the crossed-out small digits.
SavedGame CaptureGame(const CBoardWnd& board, int hintsUsed);

// Replaces the cell texts, m_puzzle with the given flags (a non-zero puzzle digit makes
// the cell given), m_solution and the marks, and starts an empty undo history. The hint
// count is the caller's; nothing is redrawn.
void ApplyGame(CBoardWnd& board, const SavedGame& game);
