// What "Give me some help!", the solve of an entered puzzle and a pasted puzzle tell the player, in the screen's rows and columns.
#include "HelpTexts.h"

#include "GridUnits.h"
#include "PlayerTexts.h"
#include "SolutionCount.h"
#include "StepSolver.h"
#include "StepText.h"

namespace {

constexpr CellNaming kScreenNaming = CellNaming::RowsShownAsColumns;

// A Grid81 row runs down the screen, a Grid81 column across it.
std::string ScreenUnitKind(int unit)
{
    switch (KindOfUnit(unit)) {
    case UnitKind::Row:
        return "column";
    case UnitKind::Column:
        return "row";
    case UnitKind::Box:
        break;
    }
    return "box";
}

// "the 4 or the 6", "the 1, the 4 or the 6".
std::string ListOfDigits(const std::vector<int>& digits)
{
    std::string list;
    for (size_t i = 0; i < digits.size(); ++i)
        list += std::string(i == 0 ? "" : i + 1 < digits.size() ? ", " : " or ") + "the " + std::to_string(digits[i]);
    return list;
}

}  // namespace

std::string HelpText(const HelpAdvice& advice, const Grid81& board)
{
    switch (advice.kind) {
    case HelpKind::RepeatedDigit:
        return "The " + std::to_string(board[advice.cell]) + " in the highlighted cell repeats in its "
             + ScreenUnitKind(advice.unit) + ".";
    case HelpKind::WrongDigit:
        return kWrongDigit;
    case HelpKind::NoCompletion:
        return kNoAnswer;
    case HelpKind::NextDigit: {
        std::string text;
        for (const Step& step : advice.steps) {
            if (!text.empty())
                text += '\n';
            text += DescribeStep(step, kScreenNaming);
        }
        return text;
    }
    case HelpKind::BoardComplete:
        return kBoardComplete;
    case HelpKind::SeveralSolutions:
        return "From here the puzzle has more than one solution: the highlighted cell can take "
             + ListOfDigits(advice.digits) + (advice.digits.size() > 2 ? ", and each" : ", and either")
             + " leads to a full board.";
    case HelpKind::NeedsTrialAndError:
        break;
    }
    return kNeedsTrialAndError;
}

std::string SolvedPuzzleText(const Grid81& entered)
{
    if (CountSolutions(entered, 2) > 1)
        return kSeveralSolutions;
    const PuzzleRating rating = RatePuzzle(entered);
    if (rating.needsTrialAndError)
        return kSolvedByTrialAndError;
    if (!rating.hardest)
        return kSolved;
    return "Solved. Hardest step: " + std::string(TechniqueName(*rating.hardest)) + " ("
         + FormatDifficulty(rating.difficulty) + ").";
}

std::string PastedPuzzleText(const Grid81& puzzle)
{
    switch (CountSolutions(puzzle, 2)) {
    case 0:
        return "No Answer";
    case 1:
        break;
    default:
        return "This puzzle has more than one solution.";
    }
    const PuzzleRating rating = RatePuzzle(puzzle);
    const std::string how = rating.needsTrialAndError ? " that needs trial and error"
        : !rating.hardest ? ", already complete"
        : ", rated " + FormatDifficulty(rating.difficulty) + " (" + std::string(TechniqueName(*rating.hardest)) + ")";
    return "A puzzle with one solution" + how + ".";
}

std::string NoPuzzleOnClipboardText()
{
    return "The clipboard holds no puzzle.";
}
