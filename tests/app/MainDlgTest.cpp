// The game window: start-up, its controls, the first game, Quick Game, the focus and quitting.
#include "CGameApp.h"
#include "GameWindowFixture.h"

#include <QApplication>

namespace {

using MainDlgTest = GameWindowFixture;

// Without data.dat the program says so and ends before any window opens.
TEST(StartupTest, WithoutADataFileTheReinstallMessageShowsAndNoWindowOpens)
{
    QTemporaryDir dir;
    RecordingUi ui;
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    CGameApp game(ui, dir.path());
    EXPECT_NE(game.InitInstance(), 0);
    EXPECT_EQ(ui.m_messages, QStringList({"data.dat file was removed, please reinstall Tessaly for windows\nProgram quit now"}));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
}

// A fixed-size window with the board over its frame; New Game, GetAnswer and the edit box stay hidden.
TEST_F(MainDlgTest, WindowOpensOnAVeryEasyGameWithThreeControlsHidden)
{
    for (const int id : {IDC_BOARD_FRAME, IDC_HIDDEN_EDIT, IDC_SAVE_GAME, IDC_LOAD_GAME, IDC_NEW_GAME, IDC_GET_ANSWER,
                         IDC_QUICK_GAME, IDC_DONE, IDC_PRINT_TO_PAPER, IDC_GIVE_HELP, IDC_LEVEL_LIST, IDC_INPUT_GAME,
                         IDC_GET_RESULT, IDC_SHOW_SMALL, IDC_BOARD})
        EXPECT_EQ(m_dialog->GetDlgItem(id)->isVisible(), id != IDC_HIDDEN_EDIT && id != IDC_NEW_GAME && id != IDC_GET_ANSWER)
            << id;
    EXPECT_EQ(m_dialog->GetDlgItem(IDC_GET_RESULT)->geometry(), QRect(207, 481, 168, 21))
        << "dialog units (x * 6 / 4, y * 13 / 8)";
    EXPECT_EQ(m_dialog->GetDlgItem(IDC_BOARD), &Board());
    EXPECT_EQ(Board().geometry(), m_dialog->GetDlgItem(IDC_BOARD_FRAME)->geometry());
    EXPECT_EQ(m_dialog->size(), QSize(588, 663));
    EXPECT_EQ(m_dialog->maximumSize(), m_dialog->minimumSize());
    EXPECT_EQ(m_dialog->m_levelList->currentItem()->text(), "Very Easy");
    EXPECT_EQ(TheGame().Level(), 1);
    EXPECT_TRUE(m_dialog->m_showSmallCheck->isChecked());
}

// A Quick Game deals the drawn line at the selected level.
TEST_F(MainDlgTest, QuickGameDealsTheDrawnLineAtTheSelectedLevel)
{
    FixedSeedRandom replay = m_random;  // its draws to come: the line number, then the level pattern's
    QuickGame(4);
    EXPECT_EQ(TheGame().Level(), 4);
    const DealResult expected = DealPuzzle(DataFile().toStdString(), RandomBelow(replay, 50) + 1, 4, replay);
    ASSERT_TRUE(expected.game);
    EXPECT_EQ(StringOf(TheGame().Solution()), StringOf(expected.game->solution));
    EXPECT_EQ(Shown() + Shown(true), StringOf(expected.game->puzzle) + StringOf(expected.game->puzzle)) << "as givens";
}

// Both leave the game, its level and its hints as they were and tell the player why.
TEST_F(MainDlgTest, QuickGameWithoutSelectionOrWithoutDataFileChangesNothing)
{
    QuickGame(4);
    GameState expected = State();
    ASSERT_TRUE(QFile::remove(DataFile()));
    QuickGame(5);
    m_dialog->m_levelList->setCurrentRow(-1);
    Press(IDC_QUICK_GAME);
    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't read data.dat, the game on the board stays",
                                            "Please select a game level"}));
    expected.listRow = m_dialog->m_levelList->currentRow();  // focusing the list may pick a row
    EXPECT_EQ(State(), expected);
}

// Any question a command asks is answered No; Quick Game runs once without a level selected.
TEST_F(MainDlgTest, EveryCommandGivesTheFocusBackToTheLevelList)
{
    for (const int id : {IDC_SAVE_GAME, IDC_LOAD_GAME, IDC_NEW_GAME, IDC_GET_ANSWER, IDC_QUICK_GAME, IDC_DONE,
                         IDC_PRINT_TO_PAPER, IDC_GIVE_HELP, IDC_INPUT_GAME, IDC_GET_RESULT, IDC_SHOW_SMALL}) {
        m_dialog->GetDlgItem(IDC_QUICK_GAME)->setFocus();
        m_dialog->m_levelList->setCurrentRow(id == IDC_QUICK_GAME ? -1 : 0);
        Press(id);
        EXPECT_TRUE(FocusOnList()) << id;
    }
}

// Escape and the close box each ask; only Yes closes, No changes nothing.
TEST_F(MainDlgTest, EscapeAndTheCloseBoxAskAndOnlyYesCloses)
{
    QTest::keyPress(m_dialog->m_levelList, Qt::Key_Escape);
    EXPECT_FALSE(m_dialog->close());
    m_ui.m_answers = {true};
    EXPECT_TRUE(m_dialog->close());
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_ui.m_questions, QStringList(3, "Question: Are you sure to quit?"));
}

}  // namespace
