// Putting a new game on the board: a line of the puzzle file, or a sparse random grid.
#include "CBoardWnd.h"

#include "PuzzleFile.h"
#include "RandomFill.h"

std::optional<PuzzleFileError> CBoardWnd::LoadPuzzle(const std::string& path, int lineNumber, int level)
{
    const DealResult dealt = DealPuzzle(path, lineNumber, level, m_random);
    if (!dealt.game)
        return dealt.error;
    m_solution = dealt.game->solution;
    m_puzzle = dealt.game->puzzle;
    ShowGridAsGivens(m_puzzle);
    ResetMarksAndHistory();
    Redraw();
    return std::nullopt;
}

void CBoardWnd::FillRandomGrid()
{
    const Grid81 grid = BuildRandomGrid(m_random);
    m_solution = grid;
    // The givens of this game, not of the one before: saving and hints read m_puzzle.
    m_puzzle = grid;
    ShowGridAsGivens(grid);
    ResetMarksAndHistory();
    Redraw();
}

void CBoardWnd::ShowGridAsGivens(const Grid81& grid)
{
    for (size_t i = 0; i < grid.size() && i < m_cells.size(); ++i) {
        CCell& cell = *m_cells[i];
        const int value = grid[i];
        cell.m_given = value != 0;
        cell.m_text = value != 0 ? std::to_string(value) : std::string();
    }
}
