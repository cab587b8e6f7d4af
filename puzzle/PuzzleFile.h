// data.dat: one solution grid per line, and the five level patterns that turn it into a puzzle.
#pragma once

#include "Grid81.h"
#include "Random.h"

#include <optional>
#include <string>
#include <string_view>

// Why a puzzle could not be dealt; the board keeps its game and the window tells the player.
// DamagedLine: the line read is not a complete grid that obeys the rules.
enum class PuzzleFileError { CannotOpen, NoLines, BadLineNumber, DamagedLine };

struct PuzzleLineResult {
    std::optional<std::string> line;  // set on success, without its line end
    PuzzleFileError error = PuzzleFileError::CannotOpen;  // meaningful only without a line
};

// Reads line `lineNumber` (1-based) in reads of at most 254 characters, so a longer line
// counts as more lines; past the end of the file the last line read stays. CR LF and LF
// end a line alike; a NUL byte ends the line's text (the read itself still goes on to the
// line end). Fails for lineNumber < 1, a path that is not a regular file (which is not opened,
// so a FIFO never makes it wait), a file that cannot be opened or an empty file.
PuzzleLineResult ReadPuzzleLine(const std::string& path, int lineNumber);

// Positions 1-81 of the line, one character at a time: "1"-"9" a digit, anything else 0.
Grid81 ParsePuzzleLine(std::string_view line);

// Blanks (levels 1-4) or reveals (level 5) cells of `puzzle` by the level's draws.
// level < 1 acts as 1; level > 5 applies no pattern.
void ApplyLevelPattern(Grid81& puzzle, const Grid81& solution, int level, RandomGenerator& random);

struct DealtPuzzle {
    Grid81 solution{};
    Grid81 puzzle{};
};

struct DealResult {
    std::optional<DealtPuzzle> game;  // set on success
    PuzzleFileError error = PuzzleFileError::CannotOpen;
};

// Reads the line, then applies the level's pattern. A line that is not a solved grid is not
// dealt (DamagedLine); no draw is made when reading or the line fails.
DealResult DealPuzzle(const std::string& path, int lineNumber, int level, RandomGenerator& random);
