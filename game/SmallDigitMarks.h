// The player's pencil marks: which small digits are crossed out in each cell.
#pragma once

#include "Grid81.h"

#include <array>
#include <cstdint>

class SmallDigitMarks {
public:
    // Bit d - 1 of a cell's set stands for digit d.
    using DigitSet = std::uint16_t;
    static constexpr DigitSet kAllDigits = 0x1FF;

    // 0 <= cell < 81, 1 <= digit <= 9.
    bool IsCrossedOut(int cell, int digit) const { return (m_crossedOut[cell] >> (digit - 1) & 1) != 0; }
    void Toggle(int cell, int digit) { m_crossedOut[cell] ^= static_cast<DigitSet>(1u << (digit - 1)); }

    // 0 <= cell < 81; bits beyond the ninth are dropped.
    DigitSet CrossedOut(int cell) const { return m_crossedOut[cell]; }
    void SetCrossedOut(int cell, DigitSet digits) { m_crossedOut[cell] = digits & kAllDigits; }

    bool AnyCrossedOut() const;
    void ShowAll() { m_crossedOut.fill(0); }

    // In every cell where `open` is true, crosses out each digit that `values` holds in the
    // cell's row, column or box (rows, columns and boxes of Grid81). Nothing comes back.
    void CrossOutDigitsInSight(const Grid81& values, const std::array<bool, 81>& open);

    bool operator==(const SmallDigitMarks&) const = default;

private:
    std::array<DigitSet, 81> m_crossedOut{};
};
