// One square of the board: where it lies. What it shows is the game's.
#pragma once

#include "Rect.h"

class CCell {
public:
    explicit CCell(const Rect& rect) : m_rect(rect) {}

    Rect GetRect() const { return m_rect; }

    Rect m_rect;
};
