// "Give me some help!": what is wrong on the board, or the next step from it, without solving it for the player.
#include "BoardHelp.h"

#include "GridUnits.h"
#include "SolutionCount.h"
#include "StepExplanation.h"

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

std::optional<HelpAdvice> RepeatedDigit(const Grid81& board, const std::array<bool, 81>& typed)
{
    for (const bool typedFirst : {true, false}) {
        for (int cell = 0; cell < 81; ++cell) {
            if (board[cell] == 0 || typed[cell] != typedFirst)
                continue;
            const int unit = UnitWhereRepeated(board, cell);
            if (unit >= 0)
                return HelpAdvice{HelpKind::RepeatedDigit, cell, unit, {}};
        }
    }
    return std::nullopt;
}

HelpAdvice BlameTypedDigit(const Grid81& board, const std::array<bool, 81>& typed)
{
    Grid81 givens = board;
    for (int cell = 0; cell < 81; ++cell)
        if (typed[cell])
            givens[cell] = 0;
    if (!HasCompletion(givens))
        return {HelpKind::NoCompletion, -1, -1, {}};
    const auto wrong = [](int cell) { return HelpAdvice{HelpKind::WrongDigit, cell, -1, {}}; };
    // A digit is to blame when the board has a completion without it; of those, one that
    // has none even with the givens alone is surely wrong, so it goes first.
    const auto fixedByRemoving = [&board](int cell) {
        Grid81 without = board;
        without[cell] = 0;
        return HasCompletion(without);
    };
    const auto wrongAlone = [&board, &givens](int cell) {
        Grid81 alone = givens;
        alone[cell] = board[cell];
        return !HasCompletion(alone);
    };
    std::vector<int> typedCells;
    for (int cell = 0; cell < 81; ++cell)
        if (typed[cell] && board[cell] != 0)
            typedCells.push_back(cell);
    int firstFixing = -1;
    for (const int cell : typedCells) {
        if (!fixedByRemoving(cell))
            continue;
        if (wrongAlone(cell))
            return wrong(cell);
        if (firstFixing < 0)
            firstFixing = cell;
    }
    if (firstFixing >= 0)
        return wrong(firstFixing);
    for (const int cell : typedCells)
        if (wrongAlone(cell))
            return wrong(cell);
    // Several typed digits are wrong only together: blame the one that completes the clash.
    Grid81 prefix = givens;
    for (const int cell : typedCells) {
        prefix[cell] = board[cell];
        if (!HasCompletion(prefix))
            return wrong(cell);
    }
    return {HelpKind::NoCompletion, -1, -1, {}};  // not reached: the whole board has none
}

}  // namespace

HelpAdvice AdviseHelp(const Grid81& board, const std::array<bool, 81>& typed)
{
    if (auto repeated = RepeatedDigit(board, typed))
        return *repeated;
    if (!HasCompletion(board))
        return BlameTypedDigit(board, typed);
    std::vector<Step> steps = StepsToNextDigit(board);
    if (!steps.empty()) {
        const int cell = steps.back().placements.front().cell;
        return {HelpKind::NextDigit, cell, -1, std::move(steps)};
    }
    const int guess = CellToGuess(board);
    if (guess < 0)
        return {HelpKind::BoardComplete, -1, -1, {}};
    return {HelpKind::NeedsTrialAndError, guess, -1, {}};
}
