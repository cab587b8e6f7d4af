// What "Give me some help!", the solve of an entered puzzle and a pasted puzzle tell the player, in the screen's rows and columns.
#pragma once

#include "BoardHelp.h"
#include "Grid81.h"

#include <string>

// The message for `advice` about `board` (the digits the help looked at). Rows, columns
// and boxes are named as the board shows them: a Grid81 row is a screen column.
std::string HelpText(const HelpAdvice& advice, const Grid81& board);

// After an entered puzzle has been solved: its rating when it has one solution, or that it
// has several. `entered` is the grid the player typed and has at least one completion.
std::string SolvedPuzzleText(const Grid81& entered);

// After a puzzle has been pasted: "A puzzle with one solution, rated 3.2 (X-Wing).", "This
// puzzle has more than one solution." or, when it has none, "No Answer".
std::string PastedPuzzleText(const Grid81& puzzle);

// When the clipboard's text is not a puzzle.
std::string NoPuzzleOnClipboardText();
