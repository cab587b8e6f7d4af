// The one-line text form of a grid: 81 characters, row-major.
#pragma once

#include "Grid81.h"

#include <optional>
#include <string>
#include <string_view>

// '1'-'9' a digit, '0' or '.' an empty cell; one trailing CR is tolerated. Anything else,
// or a length other than 81, is not a grid.
std::optional<Grid81> ParseGridLine(std::string_view line);

// 81 characters, '0' for an empty cell.
std::string FormatGrid(const Grid81& grid);
