// "Give me some help!": what is wrong on the board, or the next step from it, without solving it for the player.
#include "BoardHelp.h"

#include "GridUnits.h"
#include "SolutionCount.h"
#include "StepExplanation.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

bool HasCompletion(const Grid81& grid)
{
    return CountSolutions(grid, 1) > 0;
}

// The unit (row, column, box) in which the digit of `cell` stands twice, or -1.
int UnitWhereRepeated(const Grid81& board, int cell)
{
    for (const int unit : UnitsOfCell(cell))
        for (const int other : UnitCells(unit))
            if (other != cell && board[other] == board[cell])
                return unit;
    return -1;
}

std::optional<HelpAdvice> RepeatedDigit(const Grid81& board, const TypingOrder& typed)
{
    std::optional<HelpAdvice> latest;
    for (int cell = 0; cell < 81; ++cell) {
        if (board[cell] == 0 || (latest && typed[cell] <= typed[latest->cell]))
            continue;
        const int unit = UnitWhereRepeated(board, cell);
        if (unit >= 0)
            latest = HelpAdvice{HelpKind::RepeatedDigit, cell, unit, {}, {}};
    }
    return latest;
}

HelpAdvice BlameTypedDigit(const Grid81& board, const TypingOrder& typed)
{
    std::vector<int> typedCells;  // in the order they were typed
    for (int cell = 0; cell < 81; ++cell)
        if (typed[cell] > 0 && board[cell] != 0)
            typedCells.push_back(cell);
    std::ranges::stable_sort(typedCells, {}, [&typed](int cell) { return typed[cell]; });
    Grid81 givens = board;
    for (const int cell : typedCells)
        givens[cell] = 0;
    if (!HasCompletion(givens))
        return {HelpKind::NoCompletion, -1, -1, {}, {}};
    const auto wrong = [](int cell) { return HelpAdvice{HelpKind::WrongDigit, cell, -1, {}, {}}; };
    // The player's latest digit that the board cannot have is the likeliest slip.
    for (auto cell = typedCells.rbegin(); cell != typedCells.rend(); ++cell) {
        Grid81 without = board;
        without[*cell] = 0;
        if (HasCompletion(without))
            return wrong(*cell);
    }
    // Several digits are wrong together: blame the one with which the board lost its last completion.
    Grid81 prefix = givens;
    for (const int cell : typedCells) {
        prefix[cell] = board[cell];
        if (!HasCompletion(prefix))
            return wrong(cell);
    }
    return {HelpKind::NoCompletion, -1, -1, {}, {}};  // not reached: the whole board has none
}

// The empty cell whose digits leading to a completion are fewest but more than one.
HelpAdvice FreeChoice(const Grid81& board)
{
    HelpAdvice choice{HelpKind::SeveralSolutions, -1, -1, {}, {}};
    for (int cell = 0; cell < 81; ++cell) {
        if (board[cell] != 0)
            continue;
        std::vector<int> digits;
        Grid81 trial = board;
        for (int digit = 1; digit <= 9; ++digit) {
            trial[cell] = digit;
            if (HasCompletion(trial))
                digits.push_back(digit);
        }
        if (digits.size() > 1 && (choice.cell < 0 || digits.size() < choice.digits.size())) {
            choice.cell = cell;
            choice.digits = std::move(digits);
        }
    }
    return choice;
}

}  // namespace

HelpAdvice AdviseHelp(const Grid81& board, const TypingOrder& typed)
{
    if (auto repeated = RepeatedDigit(board, typed))
        return *repeated;
    const int completions = CountSolutions(board, 2);
    if (completions == 0)
        return BlameTypedDigit(board, typed);
    std::vector<Step> steps = StepsToNextDigit(board);
    if (!steps.empty()) {
        const int cell = steps.back().placements.front().cell;
        return {HelpKind::NextDigit, cell, -1, std::move(steps), {}};
    }
    if (completions > 1)
        return FreeChoice(board);
    const int guess = CellToGuess(board);
    if (guess < 0)
        return {HelpKind::BoardComplete, -1, -1, {}, {}};
    return {HelpKind::NeedsTrialAndError, guess, -1, {}, {}};
}
