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
    NeedsTrialAndError, // no technique finds the next digit
};

struct HelpAdvice {
    HelpKind kind = HelpKind::BoardComplete;
    int cell = -1;            // the cell to show the player; -1 for none
    int unit = -1;            // RepeatedDigit: the unit in which the cell's digit repeats
    std::vector<Step> steps;  // NextDigit: the steps, the one that places the digit last
};

// Advice on `board` (values 0-9: the givens and the digits the player typed); typed[i] is
// true for a digit the player typed, which the help may blame. In this order:
// - a digit that repeats in a row, column or box: the first such cell in index order,
//   typed cells before givens, and the first of its row, column and box where it repeats;
// - no completion: a typed digit whose removal leaves a board with a completion, the
//   first in index order that has none even with the givens alone, else the first; if
//   no single removal helps, the first that has none with the givens alone, else the
//   first that leaves none with the typed digits before it; NoCompletion when the
//   givens alone have none;
// - the steps to the next digit, whose cell is the one to show;
// - BoardComplete, or NeedsTrialAndError with the cell that has the fewest candidates.
HelpAdvice AdviseHelp(const Grid81& board, const std::array<bool, 81>& typed);
