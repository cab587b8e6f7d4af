// A grid of digits together with the candidates that remain for each empty cell.
#pragma once

#include "CellSet.h"
#include "Grid81.h"

#include <array>
#include <bit>
#include <cstdint>

// Bit d (1-9) set: digit d is still possible.
using DigitMask = std::uint16_t;

constexpr DigitMask DigitBit(int digit) { return DigitMask(1u << digit); }
constexpr int CountDigits(DigitMask mask) { return SmallBitCount(mask); }
constexpr int LowestDigit(DigitMask mask) { return std::countr_zero(unsigned(mask)); }

class CandidateGrid {
public:
    // An empty cell starts with the digits that none of its peers holds. Values 0-9.
    explicit CandidateGrid(const Grid81& grid);

    const Grid81& Values() const { return m_values; }
    int Value(int cell) const { return m_values[cell]; }
    // The candidates of an empty cell; 0 for a filled one.
    DigitMask Candidates(int cell) const { return m_candidates[cell]; }
    bool Has(int cell, int digit) const { return (m_candidates[cell] & DigitBit(digit)) != 0; }
    // The empty cells that still have `digit` as a candidate. 1 <= digit <= 9.
    const CellSet& CellsWith(int digit) const { return m_cellsWith[digit]; }
    // Where `digit` is still a candidate in `unit`: bit i for the unit's i-th cell.
    unsigned PositionsIn(int unit, int digit) const { return m_positions[unit][digit]; }
    // True when a cell of `unit` holds `digit`.
    bool IsPlacedIn(int unit, int digit) const;
    bool IsFull() const;

    // Writes `digit` into the empty `cell` and removes it from the candidates of its peers.
    void Place(int cell, int digit);
    void Eliminate(int cell, int digit)
    {
        if (!Has(cell, digit))
            return;
        m_candidates[cell] &= DigitMask(~DigitBit(digit));
        m_cellsWith[digit].Remove(cell);
        const int row = cell / 9;
        const int column = cell % 9;
        m_positions[row][digit] &= std::uint16_t(~(1u << column));
        m_positions[9 + column][digit] &= std::uint16_t(~(1u << row));
        m_positions[18 + row / 3 * 3 + column / 3][digit] &= std::uint16_t(~(1u << (row % 3 * 3 + column % 3)));
    }

private:
    Grid81 m_values{};
    std::array<DigitMask, 81> m_candidates{};
    std::array<CellSet, 10> m_cellsWith{};  // by digit; [0] unused
    std::array<std::array<std::uint16_t, 10>, 27> m_positions{};  // PositionsIn, by unit and digit
};
