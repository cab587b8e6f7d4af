// Independent checks of solver answers, written without the solver's machinery.
#pragma once

#include "Grid81.h"

// True when some row, column or box holds a digit twice.
bool HasRepeatedDigit(const Grid81& grid);

// True when `completion` is full, repeats no digit and keeps every filled cell of `grid`.
bool IsValidCompletionOf(const Grid81& grid, const Grid81& completion);

// Parses an 81-character line that the test itself supplies; fails the test on a bad line.
Grid81 GridFromText(const char* text);
