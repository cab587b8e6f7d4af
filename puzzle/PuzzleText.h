// Puzzles as people pass them around: 81 cells as text, on one line or drawn as a grid.
#pragma once

#include "Grid81.h"

#include <optional>
#include <string>
#include <string_view>

enum class PuzzleCharKind { Given, Blank, Separator, Other };

// '1'-'9' a given; '.', '0', '_' and '*' a blank cell; spaces, tabs, line ends and the
// lines of a drawn grid ('|', '-', '+', '=') separate cells; anything else is no puzzle.
PuzzleCharKind KindOfPuzzleChar(char c);

// The cells of `text` in reading order, 0 for a blank, when the text holds exactly 81 cells
// and nothing but cells and separators; otherwise nothing.
std::optional<Grid81> ParsePuzzleText(std::string_view text);

// 81 characters in cell order: the digit, or '.' for a blank. Values 0-9.
std::string FormatPuzzleText(const Grid81& cells);
