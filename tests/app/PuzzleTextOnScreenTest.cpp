// Puzzle texts as the player reads the board, and what the player is told about a pasted puzzle.
#include "BoardTextOrder.h"
#include "GameWindowFixture.h"
#include "HelpTexts.h"
#include "PuzzleText.h"
#include "Solver.h"

#include <algorithm>
#include <map>

namespace {

using PuzzleTextOnScreenTest = GameWindowFixture;

const std::string kUnique = "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7";

// The board's cells as they are read on screen: row by row from the top, each from the left.
std::string ReadOnScreen(const CBoardWnd& board, const Game& game)
{
    std::map<std::pair<int, int>, char> byPlace;  // top, then left
    for (size_t i = 0; i < board.m_cells.size(); ++i) {
        const Rect place = board.m_cells[i]->GetRect();
        byPlace[{place.top, place.left}] = game.Digits()[i] == 0 ? '.' : char('0' + game.Digits()[i]);
    }
    std::string text;
    for (const auto& [place, digit] : byPlace)
        text += digit;
    return text;
}

// Ctrl+V pastes and Ctrl+C copies. A puzzle with solutions replaces the game, after the question, as a Quick
// Game deals one (the solution is the solver's, the level stays); one without stays an entry; other text
// changes nothing.
TEST_F(PuzzleTextOnScreenTest, PasteStartsAGameFromTheClipboardAndCopyGivesTheGivensBack)
{
    const std::string none = "55" + std::string(79, '.');
    const auto paste = [this](const std::string& text, bool clear) {
        m_ui.m_clipboard = QString::fromStdString(text);
        m_ui.m_answers = {clear};
        m_ui.m_messages.clear();
        Click(Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(WaitForSolve());
    };
    QuickGame(3);
    TheGame().Hint(FirstCell(false));
    const GameState before = State();
    paste("1234 is no puzzle", true);
    paste(kUnique, false);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(m_ui.m_messages, QStringList({}));
    EXPECT_EQ(m_ui.m_questions, QStringList({"Question: Clear the board to enter a puzzle?"}));

    std::string zeros = kUnique;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    for (const auto& [text, message] : {std::pair(zeros, "A puzzle with one solution, rated 1.7 (direct pointing)."),
                                        std::pair(kTwoSolutions, "This puzzle has more than one solution.")}) {
        SCOPED_TRACE(message);
        paste(text, true);
        EXPECT_EQ(m_ui.m_messages, QStringList({message}));
        const Grid81 puzzle = SwapTextAndBoardOrder(ParsePuzzleText(text).value());
        Grid81 solved{};
        ASSERT_TRUE(SolveGrid(puzzle, solved));
        EXPECT_EQ(TheGame().Puzzle(), puzzle);
        EXPECT_EQ(TheGame().Digits(), puzzle);
        EXPECT_EQ(TheGame().Solution(), solved);
        EXPECT_TRUE(TheGame().HintsUsed() == 0 && !TheGame().CanUndo() && !TheGame().IsEnteringPuzzle());
        EXPECT_EQ(TheGame().Level(), 3);
        Type(FirstCell(false), Qt::Key_1);
        Click(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(m_ui.m_clipboard.toStdString(), text == zeros ? kUnique : kTwoSolutions);
    }
    paste(none, true);
    EXPECT_EQ(m_ui.m_messages, QStringList({"No Answer"}));
    EXPECT_TRUE(TheGame().IsEnteringPuzzle());
    EXPECT_EQ(ReadOnScreen(Board(), TheGame()), none);
    Click(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(m_ui.m_clipboard.toStdString(), none);
}

// The other messages: the paste test above.
TEST(PastedPuzzleTextTest, ACompletePuzzleIsSaidToBeOne)
{
    EXPECT_EQ(PastedPuzzleText(ParsePuzzleText(kSolvedGrid).value()), "A puzzle with one solution, already complete.");
}

}  // namespace
