// "Give me some help!" on the board as the player sees it, and what the solve of an entered puzzle says.
#include "GameWindowFixture.h"
#include "Solver.h"

#include <string>

namespace {

// The solved grid without its 1s and 2s, which could swap: two solutions.
const std::string TwoSolutions = GivensWithoutOnesAndTwos();
// A position of a generated puzzle with one solution, where the next digit needs a step
// before it.
constexpr std::string_view PointingFirst =
    "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7";
// The right 3 typed into cell 1, and an 8 into cell 3, which repeats nothing but is wrong.
const std::string WrongEightTyped = With(With(std::string(PointingFirst), 1, '3'), 3, '8');

}  // namespace

using GiveHelpTest = GameWindowFixture;

// The board's grid rows are screen columns: cell 5 is row 6, column 1 of the screen, and
// cell 68 row 6, column 8.
TEST_F(GiveHelpTest, PointsAtWhatIsWrongOrExplainsTheNextDigitAndWritesNothing)
{
    const struct {
        const char* name;
        std::string shown;
        std::string givens;
        QString message;
        int selected;  // -1: the selection stays where it was
    } cases[] = {
        {"repeated", With(TwoSolutions, 5, '7'), TwoSolutions,
         "The 7 in the highlighted cell repeats in its column.", 5},
        {"wrong", WrongEightTyped, std::string(PointingFirst),
         "The highlighted digit cannot be right: with it, the puzzle has no solution.", 3},
        {"full house", With(std::string(SolvedGrid), 5, '.'), With(std::string(SolvedGrid), 5, '.'),
         "Full house: row 6, column 1 is the last empty cell in column 1, so it takes the 2.", 5},
        {"two steps", std::string(PointingFirst), std::string(PointingFirst),
         "Pointing: in the middle-left box, the 3 can only go where it meets row 4, so the 3 is removed from row 4, "
         "column 4; row 4, column 6 and row 4, column 8.\n"
         "Hidden single in a box: in the middle-right box, the 3 fits only in row 6, column 8.", 68},
        {"complete", std::string(SolvedGrid), std::string(SolvedGrid), "The board is complete.", -1},
        {"stuck", TwoSolutions, TwoSolutions, "No step I know of is left; the next digit needs trial and error.", 5},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        SetGame(test.shown, test.givens, SolvedGrid);
        Select(80);
        m_ui.m_messages.clear();
        Press(1011);
        EXPECT_EQ(m_ui.m_messages, QStringList({test.message}));
        EXPECT_EQ(Board().IndexOf(Board().m_selected), test.selected >= 0 ? test.selected : 80);
        EXPECT_EQ(Shown(), test.shown);
        EXPECT_EQ(m_dialog->m_hintsUsed, 0);
        EXPECT_TRUE(FocusOnList());
    }
}

using SolveThreadEnteredPuzzleTest = GameWindowFixture;

// The second press of "Solve" shows the smallest completion as before and then says how
// hard the puzzle is, or that it has more than one solution.
TEST_F(SolveThreadEnteredPuzzleTest, SaysTheRatingOrThatThereAreSeveralSolutions)
{
    const std::pair<std::string, QString> cases[] = {
        {std::string(PointingFirst), "Solved. Hardest step: pointing (2.6)."},
        {TwoSolutions, "This puzzle has more than one solution; the board shows one of them."},
    };
    for (const auto& [entered, message] : cases) {
        m_ui.m_answers = {true};  // clear the board for the entry
        Press(1013);
        SetGame(entered, std::string(81, '.'), std::string(81, '.'));
        m_ui.m_messages.clear();
        Press(1013);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_ui.m_messages.isEmpty(); }, 10000));
        EXPECT_EQ(m_ui.m_messages, QStringList({message}));
        Grid81 smallest{};
        ASSERT_TRUE(SolveGrid(GridOf(entered), smallest));
        EXPECT_EQ(Shown(), StringOf(smallest));
    }
}
