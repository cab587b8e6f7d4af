// The player's steps in a game: digits, hints, the result, the marks, and taking them back.
#include "Game.h"

#include "SolutionCount.h"
#include "Solver.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kHintsPerGame = 3;
constexpr int kHellLevel = 5;

}  // namespace

void Game::EndStep(const Entries& before)
{
    if (before == m_entries)
        return;
    m_history.Record(before, m_entries);
    m_changed.Notify();
}

void Game::Write(int cell, int digit)
{
    int& typed = m_entries.m_typed[cell];
    if (digit == 0 || IsGiven(cell))
        typed = 0;
    else if (digit != m_entries.m_digits[cell])
        typed = 1 + *std::ranges::max_element(m_entries.m_typed);
    m_entries.m_digits[cell] = digit;
}

void Game::EnterDigit(int cell, int digit)
{
    if (IsGiven(cell))
        return;
    const Entries before = m_entries;
    Write(cell, digit);
    EndStep(before);
}

Grid81 Game::SolutionFor(Grid81 board) const
{
    bool agrees = true;
    for (int i = 0; i < 81; ++i) {
        if (IsGiven(i))
            board[i] = m_puzzle[i];  // what a saved file shows there instead is no player's digit
        // A New Game's solution has no digit where the player types.
        agrees = agrees && (board[i] == 0 || m_solution[i] == 0 || board[i] == m_solution[i]);
    }
    Grid81 completion{};
    return agrees || !SolveGrid(board, completion) ? m_solution : completion;
}

Grid81 Game::BoardSolution() const
{
    return SolutionFor(m_entries.m_digits);
}

bool Game::Hint(int cell)
{
    if (IsGiven(cell) || m_hintsUsed >= kHintsPerGame)
        return false;
    Grid81 board = m_entries.m_digits;
    if (CountSolutions(board, 1) == 0)
        board[cell] = 0;  // the hint takes the cell's digit's place, and may be what the board lacks
    const int digit = SolutionFor(board)[cell];
    if (digit < 1 || digit > 9)
        return false;  // no digit to reveal here, so no hint is spent either
    const Entries before = m_entries;
    Write(cell, digit);
    m_history.Record(before, m_entries);  // undoing it brings the cell back, not the hint
    ++m_hintsUsed;
    m_changed.Notify();
    return true;
}

DoneVerdict Game::Judge() const
{
    return JudgeBoard(m_entries.m_digits, m_puzzle, BoardSolution());
}

bool Game::RevealResult()
{
    // m_level is the level of the last Quick Game: loading a game or a New Game keeps it.
    if (m_level == kHellLevel || m_enteringPuzzle)
        return false;
    Complete(BoardSolution());
    return true;
}

void Game::Complete(const Grid81& answer)
{
    const Entries before = m_entries;
    for (int i = 0; i < 81; ++i)
        Write(i, answer[i]);
    EndStep(before);
}

void Game::ToggleMark(int cell, int digit)
{
    if (IsGiven(cell) || m_entries.m_digits[cell] != 0)
        return;
    const Entries before = m_entries;
    m_entries.m_marks.Toggle(cell, digit);
    EndStep(before);
}

void Game::KeepOnlyPossibleMarks()
{
    std::array<bool, 81> open{};
    for (int i = 0; i < 81; ++i)
        open[i] = m_entries.m_digits[i] == 0 && !IsGiven(i);
    const Entries before = m_entries;
    m_entries.m_marks.CrossOutDigitsInSight(m_entries.m_digits, open);
    EndStep(before);
}

void Game::ShowAllMarks()
{
    const Entries before = m_entries;
    m_entries.m_marks.ShowAll();
    EndStep(before);
}

bool Game::Restore(const Entries* entries)
{
    if (entries == nullptr)
        return false;
    m_entries = *entries;
    m_changed.Notify();
    return true;
}

bool Game::Undo()
{
    return Restore(m_history.Undo());
}

bool Game::Redo()
{
    return Restore(m_history.Redo());
}
