// SmallDigitMarks: the digits a cell can see, for "Keep only possible small digits".
#include "SmallDigitMarks.h"

#include <algorithm>

namespace {

// The digits that stand in the row, column and box of (row, column).
SmallDigitMarks::DigitSet DigitsInSight(const Grid81& values, int row, int column)
{
    SmallDigitMarks::DigitSet seen = 0;
    const auto see = [&](int r, int c) {
        const int value = values[GridIndex(r, c)];
        if (value >= 1 && value <= 9)
            seen |= static_cast<SmallDigitMarks::DigitSet>(1u << (value - 1));
    };
    for (int i = 0; i < 9; ++i) {
        see(row, i);
        see(i, column);
        see(3 * (row / 3) + i / 3, 3 * (column / 3) + i % 3);
    }
    return seen;
}

}  // namespace

bool SmallDigitMarks::AnyCrossedOut() const
{
    return std::ranges::any_of(m_crossedOut, [](DigitSet digits) { return digits != 0; });
}

void SmallDigitMarks::CrossOutDigitsInSight(const Grid81& values, const std::array<bool, 81>& open)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (open[cell])
            m_crossedOut[cell] |= DigitsInSight(values, cell / 9, cell % 9);
    }
}
