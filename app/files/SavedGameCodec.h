// The .sav format: four lines (cell texts, puzzle, solution, hint count), each ended by CR LF,
// and a fifth with the crossed-out small digits when there are any.
#pragma once

#include "SavedGame.h"

#include <optional>
#include <string>
#include <string_view>

// Why a file is not a saved game.
enum class SavedGameFault {
    TooFewLines,     // fewer than four lines
    ShortLine,       // line 1, 2 or 3 has fewer than 81 characters
    NotADigit,       // one of the first 81 characters of lines 1-3 is not 0-9
    BadHintCount,    // line 4 is not a decimal number that fits an int
    GivenMismatch,   // line 1 does not show the given digit of line 2
    BadSolution,     // line 3 is not a complete grid that obeys the rules
    SolutionMismatch,  // line 3 differs from a given digit of line 2
};

struct SavedGameResult {
    std::optional<SavedGame> game;  // set when the file is a saved game
    SavedGameFault fault = SavedGameFault::TooFewLines;
};

// Precondition: every text is empty or one digit "1"-"9", every grid value 0-9; an entry's grids
// are all 0, so it is written as the three lines of digits with zero puzzle and solution lines.
// A game in play (hint count 0-3) without crossed-out digits gives 252 bytes. With some, a
// fifth line follows: three characters '0'-'7' per cell, for its digits 1-3, 4-6 and 7-9,
// where the lowest digit of each three counts 1, the next 2 and the highest 4.
std::string EncodeSavedGame(const SavedGame& game);

// Checks the whole file before anything is returned, so the caller applies all of it or none.
// Line 3 must be a solved grid that agrees with every given of line 2; when lines 2 and 3 are
// both all 0, the file is a puzzle entry instead.
// LF and CR LF line ends read the same; characters after the 81st of a line and lines after
// the fifth are ignored. A fifth line that is not 243 characters '0'-'7' is ignored too, and
// the game then has nothing crossed out, as it has without a fifth line.
SavedGameResult DecodeSavedGame(std::string_view bytes);
