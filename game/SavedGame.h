// What a saved game holds: the board as the player sees it, the dealt puzzle, its solution, the hints
// taken and the small digits the player crossed out; or a puzzle being entered.
#pragma once

#include "Grid81.h"

#include <array>
#include <cstdint>
#include <string>

struct SavedGame {
    std::array<std::string, 81> m_texts;  // cell i: empty, or one digit "1"-"9"
    Grid81 m_puzzle{};                    // non-zero = a given cell
    Grid81 m_solution{};
    int m_hintsUsed = 0;  // >= 0; 3 or more leaves no hints
    // Cell i's crossed-out small digits, bit d - 1 for digit d (bits 0-8 only).
    std::array<std::uint16_t, 81> m_crossedOut{};
    // A puzzle being entered, saved before Solve: the typed digits are the texts, and the puzzle
    // and the solution, which it does not have yet, are all 0.
    bool m_enteringGame = false;

    bool operator==(const SavedGame&) const = default;
};
