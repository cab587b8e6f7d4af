// The game window: its layout, the first game, Quick Game, the focus and quitting.
#include "GameWindowFixture.h"
#include "PuzzleFile.h"

#include <QPushButton>

namespace {

struct ControlCase {
    int id;
    const char* caption;  // text of a button, label or check box; null for others
    QRect geometry;
    bool visible;
};

// Positions converted by hand from the layout's dialog units (x * 6 / 4, y * 13 / 8, rounded).
const ControlCase ControlCases[] = {
    {1012, nullptr, QRect(210, 514, 162, 71), true},
    {1007, "Quick Game", QRect(209, 592, 162, 24), true},
    {1003, "Save Game", QRect(0, 483, 162, 24), true},
    {1004, "Load Game", QRect(0, 512, 162, 24), true},
    {1011, "Give me some help!", QRect(425, 483, 162, 24), true},
    {1008, "Done! Am I Right?", QRect(425, 514, 162, 24), true},
    {1009, "Print to Paper", QRect(425, 544, 162, 25), true},
    {1001, nullptr, QRect(378, 518, 27, 26), false},
    {1000, "Static", QRect(0, 0, 588, 442), true},
    {1005, "New Game", QRect(165, 509, 69, 24), false},
    {1006, "GetAnswer", QRect(164, 536, 84, 25), false},
    {-1, "Use mouse to highlight the grid, then press Number key to input the number(1-9)\nPress 0 to clear the grid",
     QRect(3, 621, 584, 32), true},
    {1014, "Get Result", QRect(207, 481, 168, 21), true},
    {1017, "Show small number", QRect(425, 580, 147, 16), true},
    {1013, "Input game -> Solve", QRect(0, 541, 162, 25), true},
};

using MainDlgTest = GameWindowFixture;

}  // namespace

TEST_F(MainDlgTest, EveryControlHasItsCaptionPositionVisibilityAndTabPlace)
{
    const std::vector<QString> expectedOrder = {"1012", "1007", "1003", "1004", "1011", "1008", "1009",
                                                "1001", "1005", "1006", "1014", "1017", "1013"};
    for (const ControlCase& expected : ControlCases) {
        SCOPED_TRACE(expected.id);
        QWidget* control = m_dialog->GetDlgItem(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), expected.geometry);
        EXPECT_EQ(control->isVisible(), expected.visible);
        if (expected.caption) {
            EXPECT_EQ(Caption(expected.id), QString::fromUtf8(expected.caption));
        }
    }
    std::vector<QString> order;
    QWidget* widget = m_dialog->m_levelList;
    do {
        if (std::find(expectedOrder.begin(), expectedOrder.end(), widget->objectName()) != expectedOrder.end())
            order.push_back(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != m_dialog->m_levelList);
    EXPECT_EQ(order, expectedOrder);
}
TEST_F(MainDlgTest, FirstGameIsVeryEasyInAFixedSizeWindowWithTheSmallDigitsTicked)
{
    EXPECT_EQ(m_dialog->windowTitle(), "Brevmark Tessaly for windows");
    EXPECT_EQ(m_dialog->size(), QSize(588, 663));
    EXPECT_EQ(m_dialog->minimumSize(), m_dialog->maximumSize());
    EXPECT_EQ(Board().geometry(), m_dialog->GetDlgItem(1000)->geometry()) << "the board lies over the frame";
    QStringList levels;
    for (int row = 0; row < m_dialog->m_levelList->count(); ++row)
        levels << m_dialog->m_levelList->item(row)->text();
    EXPECT_EQ(levels, QStringList({"Very Easy", "Easy", "Normal", "Hard", "Hell"}));
    EXPECT_EQ(m_dialog->m_levelList->currentRow(), 0);
    EXPECT_EQ(m_dialog->m_level, 1);
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
    EXPECT_TRUE(m_dialog->m_showSmallCheck->isChecked());
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
    EXPECT_NE(FirstCell(true), FirstCell(false));  // a dealt game has givens and blanks
}

class QuickGameAtLevel : public GameWindowFixture, public testing::WithParamInterface<int> {};

TEST_P(QuickGameAtLevel, DealsTheDrawnLineAtTheSelectedLevel)
{
    const int index = GetParam();
    m_dialog->m_hintsUsed = 3;
    m_dialog->EnableGameButtons(false);
    static_cast<QPushButton*>(m_dialog->GetDlgItem(1013))->setText("something else");
    m_dialog->GetDlgItem(1003)->setFocus();

    FixedSeedRandom replay = m_random;  // the draws this Quick Game is about to make
    QuickGame(index + 1);

    EXPECT_EQ(m_dialog->m_level, index + 1);
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
    ExpectGameButtons();
    EXPECT_TRUE(FocusOnList());

    // The line number is drawn first, then the level pattern's draws follow.
    const int line = RandomBelow(replay, 50) + 1;
    const DealResult expected = DealPuzzle(DataFile().toStdString(), line, index + 1, replay);
    ASSERT_TRUE(expected.game);
    EXPECT_EQ(Board().m_solution, expected.game->solution);
    EXPECT_EQ(Board().m_puzzle, expected.game->puzzle);
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(Board().m_cells[i]->m_given, expected.game->puzzle[i] != 0) << i;
}

INSTANTIATE_TEST_SUITE_P(EasyAndHell, QuickGameAtLevel, testing::Values(1, 4));

// Both leave the game, its level and its hints as they were and tell the player why.
TEST_F(MainDlgTest, QuickGameWithoutSelectionOrWithoutDataFileChangesNothing)
{
    QuickGame(4);
    m_dialog->m_hintsUsed = 2;
    const GameState before = State();
    m_dialog->m_levelList->clearSelection();
    m_dialog->m_levelList->setCurrentRow(-1);
    m_dialog->GetDlgItem(1003)->setFocus();
    Press(1007);
    EXPECT_EQ(m_ui.m_messages, QStringList({"Please select a game level"}));
    GameState expected = before;
    expected.listRow = m_dialog->m_levelList->currentRow();  // focusing the list may pick a row
    EXPECT_EQ(State(), expected);
    EXPECT_TRUE(FocusOnList());

    ASSERT_TRUE(QFile::remove(DataFile()));
    m_dialog->GetDlgItem(1003)->setFocus();
    QuickGame(5);
    EXPECT_EQ(m_ui.m_messages.last(), "error! can't read data.dat, the game on the board stays");
    expected.listRow = 4;
    EXPECT_EQ(State(), expected);
    EXPECT_TRUE(FocusOnList());
}

TEST_F(MainDlgTest, EveryCommandGivesTheFocusBackToTheLevelList)
{
    for (const int id : {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1011, 1013, 1014, 1017}) {
        SCOPED_TRACE(id);
        m_dialog->GetDlgItem(1007)->setFocus();
        m_dialog->m_levelList->setCurrentRow(0);
        m_ui.m_answers.assign(4, false);  // any question a command asks is answered No
        Press(id);
        EXPECT_EQ(m_dialog->focusWidget(), m_dialog->m_levelList);
    }
}

TEST_F(MainDlgTest, EscapeAndTheCloseBoxAskAndOnlyYesCloses)
{
    const GameState before = State();
    m_ui.m_answers = {false};
    QTest::keyPress(m_dialog->m_levelList, Qt::Key_Escape);
    EXPECT_EQ(m_ui.m_questions, QStringList({"Question: Are you sure to quit?"}));
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(State(), before);

    m_ui.m_answers = {false};
    EXPECT_FALSE(m_dialog->close());
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(m_ui.m_questions.size(), 2);

    m_ui.m_answers = {true};
    EXPECT_TRUE(m_dialog->close());
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_ui.m_questions.size(), 3);
}
