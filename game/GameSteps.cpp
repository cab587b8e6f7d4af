// The player's steps in a game: digits, hints, the result, the marks, and taking them back.
#include "Game.h"

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

void Game::EnterDigit(int cell, int digit)
{
    if (IsGiven(cell))
        return;
    const Entries before = m_entries;
    m_entries.m_digits[cell] = digit;
    EndStep(before);
}

bool Game::Hint(int cell)
{
    if (IsGiven(cell) || m_hintsUsed >= kHintsPerGame)
        return false;
    const int digit = m_solution[cell];
    if (digit < 1 || digit > 9)
        return false;  // no digit to reveal here, so no hint is spent either
    const Entries before = m_entries;
    m_entries.m_digits[cell] = digit;
    m_history.Record(before, m_entries);  // undoing it brings the cell back, not the hint
    ++m_hintsUsed;
    m_changed.Notify();
    return true;
}

DoneVerdict Game::Judge() const
{
    return JudgeBoard(m_entries.m_digits, m_puzzle, m_solution);
}

bool Game::RevealResult()
{
    // m_level is the level of the last Quick Game: loading a game or a New Game keeps it.
    if (m_level == kHellLevel || m_enteringPuzzle)
        return false;
    Complete(m_solution);
    return true;
}

void Game::Complete(const Grid81& answer)
{
    const Entries before = m_entries;
    m_entries.m_digits = answer;
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
