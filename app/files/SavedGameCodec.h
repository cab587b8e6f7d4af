// The .sav format: four lines (cell texts, puzzle, solution, hint count), each ended by CR LF.
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
};

struct SavedGameResult {
    std::optional<SavedGame> game;  // set when the file is a saved game
    SavedGameFault fault = SavedGameFault::TooFewLines;
};

// Precondition: every text is empty or one digit "1"-"9", every grid value 0-9.
// A game in play (hint count 0-3) gives 252 bytes.
std::string EncodeSavedGame(const SavedGame& game);

// Checks the whole file before anything is returned, so the caller applies all of it or none.
// LF and CR LF line ends read the same; characters after the 81st of a line and lines after
// the fourth are ignored.
SavedGameResult DecodeSavedGame(std::string_view bytes);
