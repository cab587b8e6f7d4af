// The 27 units of the grid (rows, columns, boxes) and which cells see each other.
#pragma once

#include "CellSet.h"

#include <array>
#include <vector>

// Units 0-8 are the rows, 9-17 the columns, 18-26 the boxes (numbered row-major).
constexpr int UnitCount = 27;
enum class UnitKind { Row, Column, Box };

constexpr UnitKind KindOfUnit(int unit) { return unit < 9 ? UnitKind::Row : unit < 18 ? UnitKind::Column : UnitKind::Box; }
constexpr int RowUnit(int row) { return row; }
constexpr int ColumnUnit(int column) { return 9 + column; }
constexpr int BoxUnit(int box) { return 18 + box; }
constexpr int BoxOf(int cell) { return 3 * (cell / 27) + (cell % 9) / 3; }

// The nine cells of `unit` in row-major order. 0 <= unit < 27.
const std::array<int, 9>& UnitCells(int unit);
// The row, column and box units of `cell`, in that order. 0 <= cell < 81.
const std::array<int, 3>& UnitsOfCell(int cell);
// True when two different cells share a row, column or box.
bool Sees(int a, int b);
// The 20 other cells that share a unit with `cell`.
const std::array<int, 20>& PeersOf(int cell);
// The same peers as a set of cell indexes.
const CellSet& PeerSet(int cell);
// The cells of `unit` as a set of cell indexes.
const CellSet& UnitSet(int unit);
// The 9-bit masks (positions within a unit, digits 1-9 shifted down by one, or lines) with
// exactly `size` bits set, in increasing order. 0 <= size <= 9.
const std::vector<unsigned>& MasksOfSize(int size);
