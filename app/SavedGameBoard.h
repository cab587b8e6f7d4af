// The game on the board as a SavedGame, and a SavedGame put back onto the board.
#pragma once

#include "SavedGame.h"

class CBoardWnd;

// What the cells show, the puzzle, the solution and `hintsUsed`.
SavedGame CaptureGame(const CBoardWnd& board, int hintsUsed);

// Replaces the cell texts, m_puzzle with the given flags (a non-zero puzzle digit makes
// the cell given) and m_solution. The hint count is the caller's; nothing is redrawn.
void ApplyGame(CBoardWnd& board, const SavedGame& game);
