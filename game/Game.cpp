// A game taking another's place: a deal, New Game, a puzzle entry and a saved game, in and out.
#include "Game.h"

#include "RandomFill.h"

#include <algorithm>
#include <string>

bool Game::IsEmpty() const
{
    return std::ranges::all_of(m_entries.m_digits, [](int digit) { return digit == 0; });
}

void Game::Replace(const Grid81& puzzle, const Grid81& solution)
{
    m_puzzle = puzzle;
    m_solution = solution;
    m_entries = Entries{puzzle, {}};
    m_history.Clear();  // nothing of the game before to undo
    m_enteringPuzzle = false;
    ++m_serial;
}

void Game::Deal(const DealtPuzzle& dealt, int level)
{
    Replace(dealt.puzzle, dealt.solution);
    m_level = level;
    m_hintsUsed = 0;
    m_changed.Notify();
}

void Game::FillRandomGrid(RandomGenerator& random)
{
    const Grid81 grid = BuildRandomGrid(random);
    Replace(grid, grid);
    m_changed.Notify();
}

void Game::BeginEntry()
{
    // The digits typed become the givens once solved.
    Replace(Grid81{}, Grid81{});
    m_enteringPuzzle = true;
    m_changed.Notify();
}

void Game::FinishEntry(const Grid81& entered, const Grid81& solution)
{
    m_puzzle = entered;
    m_solution = solution;
    m_entries.m_digits = entered;
    m_history.Clear();  // the entered digits are givens now: older steps would empty them
    m_enteringPuzzle = false;
    const Entries before = m_entries;
    m_entries.m_digits = solution;
    m_history.Record(before, m_entries);
    m_changed.Notify();
}

SavedGame Game::ToSavedGame() const
{
    SavedGame saved;
    for (int i = 0; i < 81; ++i) {
        const int digit = m_entries.m_digits[i];
        saved.m_texts[i] = digit != 0 ? std::to_string(digit) : std::string();
        saved.m_crossedOut[i] = m_entries.m_marks.CrossedOut(i);
    }
    saved.m_puzzle = m_puzzle;
    saved.m_solution = m_solution;
    saved.m_hintsUsed = m_hintsUsed;
    saved.m_enteringGame = m_enteringPuzzle;
    return saved;
}

void Game::Load(const SavedGame& saved)
{
    Replace(saved.m_puzzle, saved.m_solution);
    for (int i = 0; i < 81; ++i) {
        const std::string& text = saved.m_texts[i];
        m_entries.m_digits[i] = text.empty() ? 0 : text[0] - '0';
        m_entries.m_marks.SetCrossedOut(i, saved.m_crossedOut[i]);
    }
    m_hintsUsed = saved.m_hintsUsed;
    m_enteringPuzzle = saved.m_enteringGame;  // a puzzle saved while being entered is entered on
    m_changed.Notify();
}
