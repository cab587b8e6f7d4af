// One square of the board: where it lies, what it shows and whether it is a given.
#pragma once

#include "Rect.h"

#include <string>

class CCell {
public:
    explicit CCell(const Rect& rect) : m_rect(rect) {}

    Rect GetRect() const { return m_rect; }

    Rect m_rect;
    bool m_given = false;
    std::string m_text;  // empty, or one digit "1"-"9"
};
