// The 9x9 grid as the puzzle logic sees it: 81 values in row-major order.
#pragma once

#include <array>

// index = row * 9 + column; 0 is an empty cell, 1-9 a digit.
using Grid81 = std::array<int, 81>;

constexpr int GridIndex(int row, int column) { return row * 9 + column; }
