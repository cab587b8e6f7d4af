// What the player writes on the board and can take back: the cells' texts and the marks.
#pragma once

#include "SmallDigitMarks.h"

#include <array>

struct BoardEntries {
    // Cell i's text: 0 for the empty text, else its one character ('1'-'9').
    std::array<char, 81> m_texts{};
    SmallDigitMarks m_marks;

    bool operator==(const BoardEntries&) const = default;
};
