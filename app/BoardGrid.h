// Moving numbers between the board's cell texts and a Grid81.
#pragma once

#include "Grid81.h"

class CBoardWnd;

// Cell i's text as a number: its digit 1-9, or 0 for an empty cell (or any text that is
// not one digit 1-9, which no cell should hold).
Grid81 ReadCellValues(const CBoardWnd& board);

// Sets cell i's text to the digit values[i], or to the empty text where it is 0 (values
// 0-9). Given flags stay as they are; nothing is redrawn.
void WriteCellValues(CBoardWnd& board, const Grid81& values);

// True when no cell shows anything: no game is on the board.
bool IsBoardEmpty(const CBoardWnd& board);
