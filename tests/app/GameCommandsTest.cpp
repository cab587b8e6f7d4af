// Done, Get Result, Show small number, New Game and "Give me some help!" through the window's buttons.
#include "CommandFixture.h"

namespace {

using GameCommandsTest = CommandFixture;

const QString Incomplete =
    QStringLiteral("Seems you haven't completed the game, please continue to fill number into grid.");
const QString Wrong = QStringLiteral("Sorry, your result is wrong!");
const QString Correct = QStringLiteral("Well done!!! Your result is correct!!!");
const QString HellRefusal = QStringLiteral(
    "Now is Hell level game! Do you know what is HELL? That means we won't show you the result, use your own brain!");

struct DoneCase {
    const char* name;
    std::string shown;
    std::string puzzle;
    QString message;
};

class DoneTest : public CommandFixture, public testing::WithParamInterface<DoneCase> {};

TEST_P(DoneTest, AnswersWithItsMessageAndChangesNothing)
{
    const DoneCase& c = GetParam();
    SetGame(c.shown, c.puzzle, SolvedGrid);
    const GameState before = State();
    Press(1008);
    EXPECT_EQ(m_ui.m_messages, QStringList({c.message}));
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(FocusOnList());
}

const std::string Solved(SolvedGrid);

INSTANTIATE_TEST_SUITE_P(
    Boards, DoneTest,
    testing::Values(DoneCase{"EmptyBeforeWrong", With(With(Solved, 20, '.'), 30, Solved[31]), GivensWithoutOnesAndTwos(), Incomplete},
                    DoneCase{"WrongBeforeEmpty", With(With(Solved, 20, Solved[21]), 30, '.'), GivensWithoutOnesAndTwos(), Wrong},
                    DoneCase{"Correct", Solved, GivensWithoutOnesAndTwos(), Correct},
                    DoneCase{"ValidAlternativeAccepted", SwapDigits(Solved, '1', '2'), GivensWithoutOnesAndTwos(), Correct},
                    DoneCase{"ValidAlternativeChangingAGivenRejected", SwapDigits(Solved, '1', '2'), Solved, Wrong},
                    DoneCase{"FullBoardBreakingTheRulesRejected", With(Solved, 0, Solved[1]), GivensWithoutOnesAndTwos(), Wrong}),
    [](const testing::TestParamInfo<DoneCase>& info) { return std::string(info.param.name); });

TEST_F(GameCommandsTest, DoneRightAfterGetResultIsCorrectOnLevelsOneToFour)
{
    for (int level = 1; level <= 4; ++level) {
        SCOPED_TRACE(level);
        m_ui.m_messages.clear();
        QuickGame(level);
        Press(1014);
        Press(1008);
        EXPECT_EQ(m_ui.m_messages, QStringList({Correct}));
    }
}

TEST_F(GameCommandsTest, GetResultShowsTheSolutionAndKeepsTheGivenFlags)
{
    QuickGame(3);
    const GameState before = State();
    const int renders = Board().RenderCount();
    Press(1014);
    EXPECT_EQ(Shown(), StringOf(Board().m_solution));
    EXPECT_EQ(State().givens, before.givens);
    EXPECT_GT(Board().RenderCount(), renders);
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
    EXPECT_TRUE(FocusOnList());
}

TEST_F(GameCommandsTest, HellRefusalLastsThroughLoadGameAndNewGameUntilQuickGameAtAnotherLevel)
{
    QuickGame(5);
    m_ui.m_chosenPath = m_dir.filePath(QStringLiteral("hell.sav"));
    Press(1003);

    const auto expectRefusal = [this](const char* after) {
        SCOPED_TRACE(after);
        m_ui.m_messages.clear();
        const GameState before = State();
        Press(1014);
        EXPECT_EQ(m_ui.m_messages, QStringList({HellRefusal}));
        EXPECT_EQ(State(), before);
        EXPECT_TRUE(FocusOnList());
    };
    expectRefusal("Quick Game at Hell");
    Press(1005);
    expectRefusal("New Game");
    m_dialog->m_levelList->setCurrentRow(0);
    Press(1004);
    expectRefusal("Load Game with Very Easy selected");

    QuickGame(4);
    m_ui.m_messages.clear();
    Press(1014);
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
    EXPECT_EQ(Shown(), StringOf(Board().m_solution));
}

TEST_F(GameCommandsTest, GetResultAfterNewGameLeavesEmptyTextsNotZero)
{
    Press(1005);
    Press(1014);
    int empty = 0;
    for (int i = 0; i < 81; ++i) {
        EXPECT_NE(Text(i), "0") << "cell " << i;
        empty += Text(i).empty();
        EXPECT_EQ(Text(i).empty(), Board().m_solution[i] == 0) << "cell " << i;
    }
    EXPECT_GT(empty, 0) << "a New Game grid is sparse";
}

TEST_F(GameCommandsTest, ShowSmallNumberFollowsTheCheckBoxAndRedraws)
{
    auto* check = m_dialog->m_showSmallCheck;
    ASSERT_TRUE(check->isChecked());
    const QImage withDigits = Board().Picture();

    check->click();
    EXPECT_FALSE(Board().m_showSmall);
    EXPECT_NE(Board().Picture(), withDigits);
    EXPECT_TRUE(FocusOnList());

    check->click();
    EXPECT_TRUE(Board().m_showSmall);
    EXPECT_EQ(Board().Picture(), withDigits);
}

TEST_F(GameCommandsTest, NewGameKeepsLevelHintsAndButtons)
{
    QuickGame(2);
    Select(FirstCell(false));
    Press(1011);
    ASSERT_EQ(m_dialog->m_hintsUsed, 1);
    const GameState before = State();
    const int renders = Board().RenderCount();

    Press(1005);
    const GameState after = State();
    EXPECT_EQ(after.level, 2);
    EXPECT_EQ(after.hintsUsed, 1);
    EXPECT_NE(after.texts, before.texts);
    EXPECT_EQ(Board().m_puzzle, Board().m_solution);
    EXPECT_GT(Board().RenderCount(), renders);
    for (const int id : {1003, 1004, 1014, 1011, 1008, 1009})
        EXPECT_TRUE(m_dialog->GetDlgItem(id)->isEnabled()) << id;
    EXPECT_EQ(Caption(1013), "Input game -> Solve");
    EXPECT_TRUE(FocusOnList());
}

TEST_F(GameCommandsTest, GiveMeSomeHelpRevealsTheSelectedCellThreeTimesAGame)
{
    QuickGame(1);
    std::vector<int> open;
    for (int i = 0; i < 81 && open.size() < 4; ++i)
        if (!Board().m_cells[i]->m_given)
            open.push_back(i);
    ASSERT_EQ(open.size(), 4u);

    Select(FirstCell(true));
    const std::string given = Text(FirstCell(true));
    Press(1011);
    EXPECT_EQ(m_dialog->m_hintsUsed, 0) << "a given cell takes no hint";
    EXPECT_EQ(Text(FirstCell(true)), given);

    for (int n = 0; n < 3; ++n) {
        Select(open[n]);
        Press(1011);
        EXPECT_EQ(Text(open[n]), std::to_string(Board().m_solution[open[n]]));
    }
    Select(open[3]);
    Press(1011);
    EXPECT_TRUE(Text(open[3]).empty()) << "no fourth hint";
    EXPECT_EQ(m_dialog->m_hintsUsed, 3);
    EXPECT_TRUE(FocusOnList());
}

}  // namespace
