// Puzzle texts as the player reads the board, and what the player is told about a pasted puzzle.
#include "BoardTextOrder.h"
#include "GameWindowFixture.h"
#include "HelpTexts.h"
#include "PuzzleText.h"
#include "Solver.h"

#include <algorithm>

namespace {

using PuzzleTextOnScreenTest = GameWindowFixture;

// The board's cells as they are read on screen: row by row from the top, each from the left.
std::string ReadOnScreen(const CBoardWnd& board, const Game& game)
{
    std::vector<size_t> cells;
    for (size_t i = 0; i < board.m_cells.size(); ++i)
        cells.push_back(i);
    std::sort(cells.begin(), cells.end(), [&board](size_t a, size_t b) {
        const Rect first = board.m_cells[a]->GetRect(), second = board.m_cells[b]->GetRect();
        return std::pair(first.top, first.left) < std::pair(second.top, second.left);
    });
    std::string text;
    for (size_t cell : cells)
        text += game.Digits()[cell] == 0 ? '.' : char('0' + game.Digits()[cell]);
    return text;
}

// A text put on the board reads on screen as it was written, and the board gives that text back.
TEST_F(PuzzleTextOnScreenTest, TextRowsAreTheBoardsRowsOnScreen)
{
    const std::string text = "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7";
    StartEntry();
    const Grid81 board = SwapTextAndBoardOrder(ParsePuzzleText(text).value());
    for (int i = 0; i < 81; ++i)
        TheGame().EnterDigit(i, board[i]);
    EXPECT_EQ(ReadOnScreen(Board(), TheGame()), text);
    EXPECT_EQ(FormatPuzzleText(SwapTextAndBoardOrder(TheGame().Digits())), text);
}

// Ctrl+V pastes and Ctrl+C copies. A puzzle with solutions replaces the game, after the question, as a Quick
// Game deals one (the solution is the solver's, the level stays); one without stays an entry; other text
// changes nothing.
TEST_F(PuzzleTextOnScreenTest, PasteStartsAGameFromTheClipboardAndCopyGivesTheGivensBack)
{
    const std::string unique = "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7";
    const std::string several = "43789.6.58..53674995647.8.354..69387369748.5..783.5964684953.7..956.74387.3.84596";
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
    paste(unique, false);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(m_ui.m_messages, QStringList({}));
    EXPECT_EQ(m_ui.m_questions, QStringList({"Question: Clear the board to enter a puzzle?"}));

    std::string zeros = unique;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    for (const auto& [text, message] : {std::pair(zeros, "A puzzle with one solution, rated 1.7 (direct pointing)."),
                                        std::pair(several, "This puzzle has more than one solution.")}) {
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
        EXPECT_EQ(m_ui.m_clipboard.toStdString(), text == zeros ? unique : several);
    }
    paste(none, true);
    EXPECT_EQ(m_ui.m_messages, QStringList({"No Answer"}));
    EXPECT_TRUE(TheGame().IsEnteringPuzzle());
    EXPECT_EQ(ReadOnScreen(Board(), TheGame()), none);
    Click(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(m_ui.m_clipboard.toStdString(), none);
}

TEST(PastedPuzzleTextTest, SaysHowManySolutionsAndTheRating)
{
    const struct {
        const char* puzzle;
        const char* message;
    } rows[] = {
        {"2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7",
         "A puzzle with one solution, rated 1.7 (direct pointing)."},
        {"43789.6.58..53674995647.8.354..69387369748.5..783.5964684953.7..956.74387.3.84596",
         "This puzzle has more than one solution."},
        {"55...............................................................................", "No Answer"},
        {"437892615821536749956471823542169387369748152178325964684953271295617438713284596",
         "A puzzle with one solution, already complete."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.puzzle);
        EXPECT_EQ(PastedPuzzleText(ParsePuzzleText(row.puzzle).value()), row.message);
    }
}

}  // namespace
