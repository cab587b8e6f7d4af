// The window's game buttons: Done, Get Result, New Game and the help, with their messages.
#include "GameWindowFixture.h"

namespace {

using GameCommandsTest = GameWindowFixture;

// Each verdict has its message, and judging changes nothing; Get Result at Hell says why it shows nothing.
// The rules behind them: the game's tests.
TEST_F(GameCommandsTest, DoneAndGetResultAnswerWithTheirMessages)
{
    const struct { std::string shown; const char* message; } cases[] = {
        {kSolvedGrid, "Well done!!! Your result is correct!!!"},
        {With(kSolvedGrid, 3, '.'), "Seems you haven't completed the game, please continue to fill number into grid."},
        {With(kSolvedGrid, 3, '5'), "Sorry, your result is wrong!"},
    };
    for (const auto& c : cases) {
        SetGame(c.shown, kTwoSolutions, kSolvedGrid);
        const GameState before = State();
        m_ui.m_messages.clear();
        Press(IDC_DONE);
        EXPECT_EQ(m_ui.m_messages, QStringList({c.message}));
        EXPECT_EQ(State(), before);
    }
    QuickGame(5);
    const GameState hell = State();
    m_ui.m_messages.clear();
    Press(IDC_GET_RESULT);
    EXPECT_EQ(m_ui.m_messages, QStringList({"Now is Hell level game! Do you know what is HELL? That means we won't "
                                            "show you the result, use your own brain!"}));
    EXPECT_EQ(State(), hell);
    QuickGame(4);
    Press(IDC_GET_RESULT);
    EXPECT_EQ(Shown(), StringOf(TheGame().Solution()));
    Press(IDC_NEW_GAME);
    EXPECT_EQ(Shown() + StringOf(TheGame().Solution()), Shown(true) + Shown()) << "a random grid of givens";
}

// Grid rows are screen columns: cell 5 is row 6, column 1 of the screen; cell 68 row 6, column 8.
TEST_F(GameCommandsTest, HelpPointsAtWhatIsWrongOrExplainsTheNextDigitAndWritesNothing)
{
    // Positions of generated puzzles with one solution; in the second the next digit needs a step before it.
    const std::string pointingFirst =
        "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7";
    const std::string kSparse = "3..951.8.......5...5........3..8........1....9......5.4.....9......9....7..4.58.1";
    const std::string twoSteps =
        ".5.39..2..6.82....3.21.....5..96.4.26..2.85...275...68174632...836459217295781643";
    const struct { const char* name; std::string shown, givens; QString message; int selected; } cases[] = {  // -1: stays
        {"repeated", With(kTwoSolutions, 5, '7'), kTwoSolutions, "The 7 in the highlighted cell repeats in its column.", 5},
        // the right 3 typed into cell 1, and an 8 into cell 3, which repeats nothing but is wrong
        {"wrong", With(With(pointingFirst, 1, '3'), 3, '8'), pointingFirst,
         "The highlighted digit cannot be right: with it, the puzzle has no solution.", 3},
        {"full house", With(kSolvedGrid, 5, '.'), With(kSolvedGrid, 5, '.'),
         "Full house: row 6, column 1 is the last empty cell in column 1, so it takes the 2.", 5},
        {"two steps", twoSteps, twoSteps,
         "Pointing: in the top-left box, the 1 can only go where it meets row 3, so the 1 is removed from row 3, "
         "column 4 and row 3, column 5.\n"
         "Hidden single: in column 4, the 1 fits only in row 2, column 4.", 28},
        {"complete", kSolvedGrid, kSolvedGrid, "The board is complete.", -1},
        {"two ways on", kTwoSolutions, kTwoSolutions,
         "From here the puzzle has more than one solution: the highlighted cell can take the 1 or the 2, and either leads "
         "to a full board.", 5},
        {"three ways on", kSparse, kSparse,
         "From here the puzzle has more than one solution: the highlighted cell can take the 2, the 6 or the 9, and each "
         "leads to a full board.", 73},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        SetGame(test.shown, test.givens, kSolvedGrid);
        Board().SelectCell(80);
        const GameState before = State();
        m_ui.m_messages.clear();
        Press(IDC_GIVE_HELP);
        ASSERT_TRUE(WaitForHelp());
        EXPECT_EQ(m_ui.m_messages, QStringList({test.message}));
        EXPECT_EQ(Board().GetSelectedIndex(), test.selected >= 0 ? test.selected : 80);
        EXPECT_EQ(State(), before);
    }
}

}  // namespace
