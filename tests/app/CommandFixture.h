// The game window with helpers for the commands' tests: boards written as strings, the whole game state.
#pragma once

#include "GameWindowFixture.h"
#include "Grid81.h"

#include <QPushButton>

#include <string>
#include <string_view>
#include <vector>

// A complete grid that obeys the rules (line 1 of data.dat).
inline constexpr std::string_view SolvedGrid =
    "437892615821536749956471823542169387369748152178325964684953271295617438713284596";

// 81 characters, index order; '.' and '0' are empty.
inline Grid81 GridOf(std::string_view cells)
{
    Grid81 grid{};
    for (size_t i = 0; i < grid.size() && i < cells.size(); ++i)
        grid[i] = cells[i] >= '1' && cells[i] <= '9' ? cells[i] - '0' : 0;
    return grid;
}

inline std::string StringOf(const Grid81& grid)
{
    std::string cells;
    for (const int value : grid)
        cells += value != 0 ? char('0' + value) : '.';
    return cells;
}

// `cells` with the digits a and b exchanged: another grid that obeys the rules if `cells` does.
inline std::string SwapDigits(std::string cells, char a, char b)
{
    for (char& c : cells)
        c = c == a ? b : c == b ? a : c;
    return cells;
}

// `cells` with character `index` replaced by `c`.
inline std::string With(std::string cells, int index, char c)
{
    cells[index] = c;
    return cells;
}

// The solved grid without its 1s and 2s: exchanging those digits keeps every given.
inline std::string GivensWithoutOnesAndTwos()
{
    std::string cells(SolvedGrid);
    for (char& c : cells)
        c = c == '1' || c == '2' ? '.' : c;
    return cells;
}

// Everything a command may change, to compare before and after.
struct GameState {
    std::vector<std::string> texts;
    std::vector<bool> givens;
    Grid81 puzzle{};
    Grid81 solution{};
    int hintsUsed = 0;
    int level = 0;
    int listRow = 0;
    bool showSmall = false;

    bool operator==(const GameState&) const = default;
};

class CommandFixture : public GameWindowFixture {
protected:
    // Puts a game on the board: what the cells show, the givens (also the given flags)
    // and the solution, each as 81 characters.
    void SetGame(std::string_view shown, std::string_view puzzle, std::string_view solution)
    {
        const Grid81 shownGrid = GridOf(shown);
        Board().m_puzzle = GridOf(puzzle);
        Board().m_solution = GridOf(solution);
        for (int i = 0; i < 81; ++i) {
            Text(i) = shownGrid[i] != 0 ? std::to_string(shownGrid[i]) : std::string();
            Board().m_cells[i]->m_given = Board().m_puzzle[i] != 0;
        }
        Board().Redraw();
    }

    std::string Shown()
    {
        std::string cells;
        for (const auto& cell : Board().m_cells)
            cells += cell->m_text.empty() ? std::string(".") : cell->m_text;
        return cells;
    }

    GameState State()
    {
        GameState state;
        for (const auto& cell : Board().m_cells) {
            state.texts.push_back(cell->m_text);
            state.givens.push_back(cell->m_given);
        }
        state.puzzle = Board().m_puzzle;
        state.solution = Board().m_solution;
        state.hintsUsed = m_dialog->m_hintsUsed;
        state.level = m_dialog->m_level;
        state.listRow = m_dialog->m_levelList->currentRow();
        state.showSmall = Board().m_showSmall;
        return state;
    }

    // Quick Game at `level` (1-5).
    void QuickGame(int level)
    {
        m_dialog->m_levelList->setCurrentRow(level - 1);
        Press(1007);
    }

    QString Caption(int id) { return static_cast<QPushButton*>(m_dialog->GetDlgItem(id))->text(); }
    bool FocusOnList() { return m_dialog->focusWidget() == m_dialog->m_levelList; }
};
