// The game on the board as a SavedGame, and a SavedGame put back onto the board.
#include "SavedGameBoard.h"

#include "BoardGrid.h"
#include "CBoardWnd.h"

#include <string>

SavedGame CaptureGame(const CBoardWnd& board, int hintsUsed)
{
    SavedGame game;
    const Grid81 values = ReadCellValues(board);
    for (size_t i = 0; i < values.size(); ++i)
        game.m_texts[i] = values[i] != 0 ? std::to_string(values[i]) : std::string();
    game.m_puzzle = board.m_puzzle;
    game.m_solution = board.m_solution;
    game.m_hintsUsed = hintsUsed;
    for (int i = 0; i < static_cast<int>(game.m_crossedOut.size()); ++i)
        game.m_crossedOut[static_cast<size_t>(i)] = board.m_marks.CrossedOut(i);
    return game;
}

void ApplyGame(CBoardWnd& board, const SavedGame& game)
{
    for (size_t i = 0; i < game.m_texts.size() && i < board.m_cells.size(); ++i) {
        CCell& cell = *board.m_cells[i];
        cell.m_text = game.m_texts[i];
        cell.m_given = game.m_puzzle[i] != 0;
    }
    board.m_puzzle = game.m_puzzle;
    board.m_solution = game.m_solution;
    board.ResetMarksAndHistory();
    for (int i = 0; i < static_cast<int>(game.m_crossedOut.size()); ++i)
        board.m_marks.SetCrossedOut(i, game.m_crossedOut[static_cast<size_t>(i)]);
}
