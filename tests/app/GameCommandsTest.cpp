// The window's game buttons: Done, Get Result, New Game and the help.
#include "GameWindowFixture.h"

namespace {

using GameCommandsTest = GameWindowFixture;

const QString Correct = QStringLiteral("Well done!!! Your result is correct!!!");
const QString Wrong = QStringLiteral("Sorry, your result is wrong!");

// A board that is not a valid alternative is walked against the solution: the first empty or wrong cell decides.
TEST_F(GameCommandsTest, DoneAnswersWithItsMessageAndChangesNothing)
{
    const QString incomplete = "Seems you haven't completed the game, please continue to fill number into grid.";
    const std::string& solved = SolvedGrid;
    const std::string alternative =  // the 1s and 2s exchanged: another grid that obeys the rules
        "437891625812536749956472813541269387369748251278315964684953172195627438723184596";
    const struct { const char* name; std::string shown; std::string puzzle; QString message; } cases[] = {
        {"the solution", solved, TwoSolutions, Correct},
        {"empty before wrong", With(With(solved, 3, '.'), 10, '5'), TwoSolutions, incomplete},
        {"wrong before empty", With(With(solved, 3, '5'), 10, '.'), TwoSolutions, Wrong},
        {"valid alternative", alternative, TwoSolutions, Correct},
        {"valid alternative changing a given", alternative, solved, Wrong},
        {"full, givens kept, rules broken", With(solved, 7, '2'), TwoSolutions, Wrong},  // cell 7: the row's second 2
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetGame(c.shown, c.puzzle, solved);
        const GameState before = State();
        m_ui.m_messages.clear();
        Press(1008);
        EXPECT_EQ(m_ui.m_messages, QStringList({c.message}));
        EXPECT_EQ(State(), before);
    }
}

// Get Result refuses at Hell, also after Load Game and New Game, and else shows the solution over
// the givens. New Game keeps level and hints; Get Result leaves the gaps of its sparse grid empty.
TEST_F(GameCommandsTest, GetResultRefusesAtHellAndOtherwiseShowsTheSolution)
{
    QuickGame(5);
    SaveAs("hell.sav");
    for (const int command : {0, 1005, 1004}) {  // after Quick Game, New Game and Load Game
        SCOPED_TRACE(command);
        m_dialog->m_levelList->setCurrentRow(0);
        if (command)
            Press(command);
        m_ui.m_messages.clear();
        const GameState before = State();
        Press(1014);
        EXPECT_EQ(m_ui.m_messages, QStringList({"Now is Hell level game! Do you know what is HELL? That means we won't "
                                                "show you the result, use your own brain!"}));
        EXPECT_EQ(State(), before);
    }
    QuickGame(4);
    const std::string givens = Shown(true);
    Press(1014);
    EXPECT_EQ(Shown(), StringOf(Board().m_solution));
    EXPECT_EQ(Shown(true), givens);

    Type(FirstCell(false), Qt::Key_0);
    Type(FirstCell(false), Qt::Key_Space);
    const GameState before = State();
    Press(1005);
    EXPECT_EQ(std::pair(State().level, State().hintsUsed), std::pair(4, 1)) << "level and hints kept";
    EXPECT_NE(Shown(), before.shown);
    EXPECT_EQ(Board().m_puzzle, Board().m_solution);
    Press(1014);
    EXPECT_EQ(Shown(), StringOf(Board().m_solution));
    EXPECT_NE(Shown().find('.'), std::string::npos);
}

// Grid rows are screen columns: cell 5 is row 6, column 1 of the screen; cell 68 row 6, column 8.
TEST_F(GameCommandsTest, HelpPointsAtWhatIsWrongOrExplainsTheNextDigitAndWritesNothing)
{
    // Positions of generated puzzles with one solution; in the second the next digit needs a step before it.
    const std::string pointingFirst =
        "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7";
    const std::string twoSteps =
        ".5.39..2..6.82....3.21.....5..96.4.26..2.85...275...68174632...836459217295781643";
    const struct { const char* name; std::string shown, givens; QString message; int selected; } cases[] = {  // -1: stays
        {"repeated", With(TwoSolutions, 5, '7'), TwoSolutions, "The 7 in the highlighted cell repeats in its column.", 5},
        // the right 3 typed into cell 1, and an 8 into cell 3, which repeats nothing but is wrong
        {"wrong", With(With(pointingFirst, 1, '3'), 3, '8'), pointingFirst,
         "The highlighted digit cannot be right: with it, the puzzle has no solution.", 3},
        {"full house", With(SolvedGrid, 5, '.'), With(SolvedGrid, 5, '.'),
         "Full house: row 6, column 1 is the last empty cell in column 1, so it takes the 2.", 5},
        {"two steps", twoSteps, twoSteps,
         "Pointing: in the top-left box, the 1 can only go where it meets row 3, so the 1 is removed from row 3, "
         "column 4 and row 3, column 5.\n"
         "Hidden single: in column 4, the 1 fits only in row 2, column 4.", 28},
        {"complete", SolvedGrid, SolvedGrid, "The board is complete.", -1},
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
    }
}

}  // namespace
