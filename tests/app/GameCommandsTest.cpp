// Done, Get Result, Show small number and New Game through the window's buttons.
#include "GameWindowFixture.h"

namespace {

using GameCommandsTest = GameWindowFixture;

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
    std::string solution;
    QString message;
};

void PrintTo(const DoneCase& c, std::ostream* os) { *os << c.name; }

class DoneTest : public GameWindowFixture, public testing::WithParamInterface<DoneCase> {};

TEST_P(DoneTest, AnswersWithItsMessageAndChangesNothing)
{
    const DoneCase& c = GetParam();
    SetGame(c.shown, c.puzzle, c.solution);
    const GameState before = State();
    Press(1008);
    EXPECT_EQ(m_ui.m_messages, QStringList({c.message}));
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(FocusOnList());
}

const std::string Solved(SolvedGrid);
const std::string Alternative = SwapDigits(Solved, '1', '2');
const std::string Givens = GivensWithoutOnesAndTwos();

// A board that is not a valid alternative is walked against the solution: the first empty
// or wrong cell decides.
INSTANTIATE_TEST_SUITE_P(
    Boards, DoneTest,
    testing::Values(DoneCase{"TheSolution", Solved, Givens, Solved, Correct},
                    DoneCase{"EmptyBeforeWrong", With(With(Solved, 3, '.'), 10, '5'), Givens, Solved, Incomplete},
                    DoneCase{"WrongBeforeEmpty", With(With(Solved, 3, '5'), 10, '.'), Givens, Solved, Wrong},
                    DoneCase{"ValidAlternativeAccepted", Alternative, Givens, Solved, Correct},
                    DoneCase{"ValidAlternativeChangingAGivenRejected", Alternative, Solved, Solved, Wrong},
                    // cell 7 (a 1, not given) becomes the row's second 2
                    DoneCase{"FullBoardKeepingTheGivensButBreakingTheRules", With(Solved, 7, '2'), Givens, Solved, Wrong}),
    [](const testing::TestParamInfo<DoneCase>& info) { return std::string(info.param.name); });

TEST_F(GameCommandsTest, GetResultShowsTheSolutionKeepsTheGivensAndDoneAgrees)
{
    QuickGame(3);
    const GameState before = State();
    Press(1014);
    EXPECT_EQ(Shown(), StringOf(Board().m_solution));
    EXPECT_EQ(State().givens, before.givens);
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
    Press(1008);
    EXPECT_EQ(m_ui.m_messages, QStringList({Correct}));
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

TEST_F(GameCommandsTest, NewGameKeepsLevelHintsAndButtonsAndGetResultLeavesEmptyTextsNotZero)
{
    QuickGame(2);
    Select(FirstCell(false));
    Click(Qt::Key_Space);
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
    ExpectGameButtons();
    EXPECT_TRUE(FocusOnList());

    Press(1014);
    int empty = 0;
    for (int i = 0; i < 81; ++i) {
        EXPECT_NE(Text(i), "0") << "cell " << i;
        EXPECT_EQ(Text(i).empty(), Board().m_solution[i] == 0) << "cell " << i;
        empty += Text(i).empty();
    }
    EXPECT_GT(empty, 0) << "a New Game grid is sparse; Get Result leaves its gaps empty";
}

}  // namespace
