// Games written as strings for the tests: 81 characters in index order, '.' for an empty cell.
#pragma once

#include "Game.h"
#include "PuzzleFile.h"

#include <string>
#include <string_view>

// Line 1 of data.dat; without these 1s and 2s, three groups of which can swap, it has eight solutions.
inline const std::string kSolvedGrid =
    "437892615821536749956471823542169387369748152178325964684953271295617438713284596";
inline const std::string kTwoSolutions =
    "43789.6.58..53674995647.8.354..69387369748.5..783.5964684953.7..956.74387.3.84596";
inline const std::string kNoDigits(81, '.');

inline std::string StringOf(const Grid81& grid)
{
    std::string cells;
    for (const int value : grid)
        cells += value != 0 ? char('0' + value) : '.';
    return cells;
}
inline std::string With(std::string cells, int index, char c) { cells[index] = c; return cells; }

// A game in play as a file holds it: what the cells show, the givens and the solution.
inline SavedGame SavedGameOf(std::string_view shown, std::string_view puzzle, std::string_view solution,
                             int hintsUsed = 0)
{
    SavedGame saved;
    for (int i = 0; i < 81; ++i)
        saved.m_texts[i] = shown[i] != '.' ? std::string(1, shown[i]) : std::string();
    saved.m_puzzle = ParsePuzzleLine(puzzle);
    saved.m_solution = ParsePuzzleLine(solution);
    saved.m_hintsUsed = hintsUsed;
    return saved;
}

// What the cells show; with `givensOnly`, '.' for every cell that is not given and '?' for an empty given.
inline std::string Shown(const Game& game, bool givensOnly = false)
{
    std::string cells = StringOf(game.Digits());
    for (int i = 0; givensOnly && i < 81; ++i)
        cells[i] = !game.IsGiven(i) ? '.' : cells[i] == '.' ? '?' : cells[i];
    return cells;
}

// Shown(), then a bar and every crossed-out small digit as cell:digit.
inline std::string Entries(const Game& game)
{
    std::string entries = Shown(game) + "|";
    for (int cell = 0; cell < 81; ++cell)
        for (int digit = 1; digit <= 9; ++digit)
            if (game.Marks().IsCrossedOut(cell, digit))
                entries += std::to_string(cell) + ":" + char('0' + digit) + " ";
    return entries;
}
