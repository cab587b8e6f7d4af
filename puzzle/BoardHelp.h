// "Give me some help!": what is wrong on the board, or the next step from it, without solving it for the player.
#pragma once

#include "Grid81.h"
#include "SolveStep.h"

#include <array>
#include <vector>

enum class HelpKind {
    RepeatedDigit,      // a digit repeats in a unit
    WrongDigit,         // with this typed digit the board has no completion
    NoCompletion,       // the givens alone have none, so no typed digit is to blame
    NextDigit,          // the steps to the next digit
    BoardComplete,      // every cell is filled and nothing repeats
    SeveralSolutions,   // no technique finds the next digit, and the board has several completions
    NeedsTrialAndError, // no technique finds the next digit of the board's only completion
};

struct HelpAdvice {
    HelpKind kind = HelpKind::BoardComplete;
    int cell = -1;            // the cell to show the player; -1 for none
    int unit = -1;            // RepeatedDigit: the unit in which the cell's digit repeats
    std::vector<Step> steps;  // NextDigit: the steps, the one that places the digit last
    std::vector<int> digits;  // SeveralSolutions: the cell's digits that lead to a completion, ascending
};

// When each digit on the board was typed: 0 for a given or an empty cell, else a number
// that is larger for a digit typed later. Hints and revealed digits count as typed.
using TypingOrder = std::array<int, 81>;

// What the help reads: the board and when each of its digits was typed.
struct HelpQuestion {
    Grid81 board{};
    TypingOrder typed{};
    bool operator==(const HelpQuestion&) const = default;
};

// Advice on `board` (values 0-9: the givens and the digits the player typed); the help may
// blame only a typed digit, the latest it can. In this order:
// - a digit that repeats in a row, column or box: of the cells whose digit repeats, the one
//   typed last (a given only when no typed digit repeats, then the first in index order),
//   and the first of its row, column and box where it repeats;
// - no completion: the typed digit typed last whose removal leaves a board with a completion;
//   when no single removal helps, the typed digit with which, adding them to the givens in
//   the order they were typed, the board first has none; NoCompletion when the givens
//   alone have none;
// - the steps to the next digit, whose cell is the one to show;
// - BoardComplete; with several completions SeveralSolutions, with the empty cell (first
//   in index order) that has the fewest digits leading to a completion among those with
//   more than one; else NeedsTrialAndError with the cell that has the fewest candidates.
// The completions are counted before any step is looked for, so that techniques which
// hold only for a board with one completion can be left out on a board with several.
HelpAdvice AdviseHelp(const Grid81& board, const TypingOrder& typed);
inline HelpAdvice AdviseHelp(const HelpQuestion& question) { return AdviseHelp(question.board, question.typed); }
