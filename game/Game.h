// The game in play as a value: the puzzle and its solution, the digits and marks the player wrote,
// the hints taken, undo, the level of the last Quick Game and a puzzle being entered. Windows draw
// it and turn the player's commands into its verbs; it knows nothing of them.
#pragma once

#include "BoardCheck.h"
#include "BoardHelp.h"
#include "ChangeNotice.h"
#include "Grid81.h"
#include "PuzzleFile.h"
#include "Random.h"
#include "SavedGame.h"
#include "SmallDigitMarks.h"
#include "UndoHistory.h"

#include <functional>

class Game {
public:
    // `subscriber` is called once after every verb that changed something.
    void Subscribe(std::function<void()> subscriber) const { m_changed.Subscribe(std::move(subscriber)); }

    // A cell is given exactly when the puzzle has a digit there. 0 <= cell < 81 everywhere.
    bool IsGiven(int cell) const { return m_puzzle[cell] != 0; }
    // What the cells show, givens included: 0 for an empty cell.
    const Grid81& Digits() const { return m_entries.m_digits; }
    const SmallDigitMarks& Marks() const { return m_entries.m_marks; }
    const Grid81& Puzzle() const { return m_puzzle; }
    const Grid81& Solution() const { return m_solution; }
    int HintsUsed() const { return m_hintsUsed; }
    int Level() const { return m_level; }
    // Between BeginEntry and FinishEntry (or another new game): the board holds a puzzle
    // being typed, which has no solution yet.
    bool IsEnteringPuzzle() const { return m_enteringPuzzle; }
    // No cell shows anything.
    bool IsEmpty() const;
    // Changes whenever another game takes this one's place (a deal, New Game, Load, a new
    // entry), so that work begun on the game before can tell.
    int Serial() const { return m_serial; }
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }

    // A Quick Game at `level` (1-5): the dealt puzzle's digits as givens, no hints taken.
    void Deal(const DealtPuzzle& dealt, int level);
    // New Game: a sparse random grid, which is givens and solution at once. Level and hints stay.
    void FillRandomGrid(RandomGenerator& random);

    // Writes `digit` (1-9; 0 clears) into `cell` as one step; a given never changes.
    void EnterDigit(int cell, int digit);
    // The solution that hints, Done and Get Result go by. A board may have several
    // completions: while the board has one that the dealt solution is not, the first of
    // them in the solver's order, so that nothing contradicts the player's valid digits;
    // else the dealt solution.
    Grid81 BoardSolution() const;
    // Reveals the solution's digit in `cell` as one step, three times a game. False, with
    // no hint spent, on a given cell, where the solution has no digit or with none left.
    // On a board without a completion the hint goes by the board without the cell's digit.
    bool Hint(int cell);
    // Done: what the cells show, against the givens and the solution.
    DoneVerdict Judge() const;
    // Get Result: the whole solution, over every cell, as one step. False, changing nothing,
    // when the last Quick Game was at Hell or a puzzle is being entered.
    bool RevealResult();
    // What "Give me some help!" reads (AdviseHelp): a copy of what the cells show and of
    // when each digit was typed, since the help blames the latest typed digit it can.
    HelpQuestion QuestionForHelp() const { return {m_entries.m_digits, m_entries.m_typed}; }
    // GetAnswer: the solver's completion of the board, as one step.
    void Complete(const Grid81& answer);

    // A board for the player to type a puzzle into, empty or holding `digits` to correct,
    // with nothing to undo.
    void BeginEntry(const Grid81& digits = {});
    // The solver's `solution` for the `entered` puzzle, a new game: the entered digits become
    // the givens, with nothing to undo before them, no hints taken, and the solution fills
    // the board as one step. The level stays.
    void FinishEntry(const Grid81& entered, const Grid81& solution);
    // A puzzle from elsewhere as the new game, as a Quick Game deals one: its digits are the
    // givens, `solution` the solution, no hints taken, nothing to undo. The level stays.
    void StartPuzzle(const Grid81& puzzle, const Grid81& solution);

    // Crosses out small digit `digit` (1-9) of an empty cell that is not given, or brings it
    // back, as one step. Cells holding a digit and givens keep their marks.
    void ToggleMark(int cell, int digit);
    // In every empty cell that is not given, crosses out each small digit that stands in its
    // row, column or box; one step.
    void KeepOnlyPossibleMarks();
    // Brings back every crossed-out small digit; one step.
    void ShowAllMarks();

    // Puts back the digits and marks before the last applied step (after the next undone
    // one). False, changing nothing, when there is no such step.
    bool Undo();
    bool Redo();

    SavedGame ToSavedGame() const;
    // The saved game in place of this one, with nothing to undo; the level stays.
    // Precondition: as SavedGame states (each text empty or one digit "1"-"9").
    void Load(const SavedGame& saved);

    bool operator==(const Game&) const = default;

private:
    // What a step changes and undo puts back.
    struct Entries {
        Grid81 m_digits{};
        TypingOrder m_typed{};  // what the help blames first
        SmallDigitMarks m_marks;
        bool operator==(const Entries&) const = default;
    };

    // A game with these givens and solution in place of this one, the givens shown, no
    // marks, nothing to undo. Tells no one yet.
    void Replace(const Grid81& puzzle, const Grid81& solution);
    // Writes `digit` (0-9) into `cell`; a digit that was not there counts as typed last.
    void Write(int cell, int digit);
    // As BoardSolution for `board` over the givens.
    Grid81 SolutionFor(Grid81 board) const;
    // Records the change from `before` to the entries now as one step, and tells the
    // subscribers when there was one.
    void EndStep(const Entries& before);
    bool Restore(const Entries* entries);

    Grid81 m_puzzle{};
    Grid81 m_solution{};
    Entries m_entries;
    UndoHistory<Entries> m_history;
    int m_hintsUsed = 0;  // hints taken in this game, 0-3 in play
    int m_level = 0;      // 1-5, the level of the last Quick Game
    bool m_enteringPuzzle = false;
    int m_serial = 0;
    ChangeNotice m_changed;
};
