// The 27 units of the grid (rows, columns, boxes) and which cells see each other.
#pragma once

#include "CellSet.h"

#include <array>

// Units 0-8 are the rows, 9-17 the columns, 18-26 the boxes (numbered row-major).
constexpr int UnitCount = 27;
enum class UnitKind { Row, Column, Box };

constexpr UnitKind KindOfUnit(int unit) { return unit < 9 ? UnitKind::Row : unit < 18 ? UnitKind::Column : UnitKind::Box; }
constexpr int RowUnit(int row) { return row; }
constexpr int ColumnUnit(int column) { return 9 + column; }
constexpr int BoxUnit(int box) { return 18 + box; }
constexpr int BoxOf(int cell) { return 3 * (cell / 27) + (cell % 9) / 3; }

namespace GridTables {

// The cells of each unit in row-major order, and as a set.
constexpr std::array<std::array<int, 9>, UnitCount> UnitCellLists()
{
    std::array<std::array<int, 9>, UnitCount> cells{};
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            cells[RowUnit(i)][j] = i * 9 + j;
            cells[ColumnUnit(i)][j] = j * 9 + i;
            cells[BoxUnit(i)][j] = (3 * (i / 3) + j / 3) * 9 + 3 * (i % 3) + j % 3;
        }
    }
    return cells;
}
inline constexpr std::array<std::array<int, 9>, UnitCount> UnitCells = UnitCellLists();

constexpr std::array<CellSet, UnitCount> UnitCellSets()
{
    std::array<CellSet, UnitCount> sets{};
    for (int unit = 0; unit < UnitCount; ++unit)
        for (const int cell : UnitCells[unit])
            sets[unit].Add(cell);
    return sets;
}
inline constexpr std::array<CellSet, UnitCount> UnitSets = UnitCellSets();

constexpr std::array<CellSet, 81> PeerCellSets()
{
    std::array<CellSet, 81> sets{};
    for (int cell = 0; cell < 81; ++cell) {
        sets[cell] = UnitSets[RowUnit(cell / 9)] | UnitSets[ColumnUnit(cell % 9)] | UnitSets[BoxUnit(BoxOf(cell))];
        sets[cell].Remove(cell);
    }
    return sets;
}
inline constexpr std::array<CellSet, 81> PeerSets = PeerCellSets();

constexpr std::array<std::array<int, 3>, 81> CellUnits()
{
    std::array<std::array<int, 3>, 81> units{};
    for (int cell = 0; cell < 81; ++cell)
        units[cell] = {RowUnit(cell / 9), ColumnUnit(cell % 9), BoxUnit(BoxOf(cell))};
    return units;
}
inline constexpr std::array<std::array<int, 3>, 81> UnitsOfCell = CellUnits();

}  // namespace GridTables

// The nine cells of `unit` in row-major order. 0 <= unit < 27.
inline const std::array<int, 9>& UnitCells(int unit) { return GridTables::UnitCells[unit]; }
// The row, column and box units of `cell`, in that order. 0 <= cell < 81.
inline const std::array<int, 3>& UnitsOfCell(int cell) { return GridTables::UnitsOfCell[cell]; }
// The cells of `unit` as a set of cell indexes.
inline const CellSet& UnitSet(int unit) { return GridTables::UnitSets[unit]; }
// The 20 other cells that share a unit with `cell`, as a set.
inline const CellSet& PeerSet(int cell) { return GridTables::PeerSets[cell]; }
// True when two different cells share a row, column or box.
inline bool Sees(int a, int b) { return PeerSet(a).Has(b); }
// The same peers as a list, in increasing order.
const std::array<int, 20>& PeersOf(int cell);
// The subsets of `mask` (of at most 16 bits) with `size` bits set, in increasing order:
// for (SubsetsOfSize s(mask, size); !s.Done(); s.Next()) use(s.Current());
class SubsetsOfSize {
public:
    SubsetsOfSize(unsigned mask, int size) : m_size(size)
    {
        for (unsigned bits = mask; bits != 0; bits &= bits - 1)
            m_bits[m_count++] = bits & (0u - bits);
        m_choice = size <= m_count ? (1u << size) - 1 : 1u << m_count;
    }
    bool Done() const { return m_choice >= (1u << m_count) || m_size == 0; }
    // The bits of the mask that the choice among them picks.
    unsigned Current() const
    {
        unsigned subset = 0;
        for (int i = 0; i < m_count; ++i)
            if ((m_choice >> i & 1u) != 0)
                subset |= m_bits[i];
        return subset;
    }
    // The next choice of as many bits, by Gosper's rule.
    void Next()
    {
        const unsigned lowest = m_choice & (0u - m_choice);
        const unsigned ripple = m_choice + lowest;
        m_choice = ripple | (((ripple ^ m_choice) / lowest) >> 2);
    }

private:
    std::array<unsigned, 16> m_bits{};
    int m_count = 0;
    int m_size;
    unsigned m_choice = 0;
};
