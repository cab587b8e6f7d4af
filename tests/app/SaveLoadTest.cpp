// Save Game and Load Game from the window: the round trip, bad files and failed writes.
#include "GameWindowFixture.h"
#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

class SaveLoadTest : public GameWindowFixture {
protected:
    void SetUp() override  // a game in play: a typed digit, a hint and an empty cell
    {
        GameWindowFixture::SetUp();
        if (!HasFatalFailure()) {
            QuickGame(2);
            Type(FirstCell(false), Qt::Key_7);
            Type(Cells(false, 2)[1], Qt::Key_Space);
        }
    }
    void Write(const char* name, const QByteArray& bytes)
    {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
};

// Save replaces a longer file unasked (its bytes: the codec's test); Load keeps level and small digits.
TEST_F(SaveLoadTest, SaveReplacesAnyOldFileAndLoadRestoresTheGame)
{
    Write("game.sav", QByteArray(1000, 'x'));
    SaveAs("game.sav");
    const SavedGame saved = TheGame().ToSavedGame();
    EXPECT_EQ(QFileInfo(PathOf("game.sav")).size(), 3 * 83 + 3) << "three lines of 81 digits and the hints, CR LF each";
    EXPECT_TRUE(m_ui.m_questions.isEmpty());

    QuickGame(4);
    const QImage withSmallDigits = Board().Picture();
    m_dialog->m_showSmallCheck->click();
    EXPECT_NE(Board().Picture(), withSmallDigits) << "the board redraws without its small digits";
    LoadFrom("game.sav");
    EXPECT_EQ(TheGame().ToSavedGame(), saved);
    EXPECT_EQ(std::tuple(TheGame().Level(), m_dialog->m_levelList->currentRow(), Board().ShowsSmallDigits()),
              std::tuple(4, 3, false));
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
}

// A missing file, one the codec rejects, one past the bounded read, cancelled dialogs, a save into no
// folder or onto a folder: each refusal reaches the player and changes nothing.
TEST_F(SaveLoadTest, BadFilesCancelledDialogsAndFailedWritesChangeNothing)
{
    const GameState before = State();
    LoadFrom("missing.sav");
    const QByteArray threeLines = QByteArray(81, '0') + "\r\n" + QByteArray(81, '0') + "\r\n" + QByteArray(81, '1') + "\r\n";
    Write("three.sav", threeLines);
    LoadFrom("three.sav");
    Write("long.sav", threeLines + "0\r\n");
    ASSERT_TRUE(QFile::resize(PathOf("long.sav"), WholeFileLimit + 1));
    LoadFrom("long.sav");
    m_ui.m_chosenPath.clear();
    Press(IDC_SAVE_GAME);
    Press(IDC_LOAD_GAME);
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
    SaveAs("no-such-folder/game.sav");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("taken.sav")));
    SaveAs("taken.sav");

    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't read missing.sav", "error! three.sav is not a saved game",
                                            "error! long.sav is not a saved game", "error! can't write to game.sav",
                                            "error! can't write to taken.sav"}));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);
    EXPECT_EQ(State(), before);
}

// A puzzle saved while being entered loads as an entry: the button reads "Solve", nothing is judged
// before it is pressed, and pressing it solves the typed puzzle.
TEST_F(SaveLoadTest, APuzzleSavedDuringItsEntryIsEnteredOnAfterLoading)
{
    const std::string solution = StringOf(TheGame().Solution());
    StartEntry();
    for (int i = 0; i < 81; ++i)
        if (i % 3 != 0)
            TheGame().EnterDigit(i, solution[i] - '0');
    SaveAs("entry.sav");
    QuickGame(1);
    LoadFrom("entry.sav");
    EXPECT_EQ(Caption(IDC_INPUT_GAME), "Solve");
    Press(IDC_GET_RESULT);
    Press(IDC_DONE);
    EXPECT_EQ(m_ui.m_messages, QStringList({"Press Solve first", "Press Solve first"}));
    Press(IDC_INPUT_GAME);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(Caption(IDC_INPUT_GAME), "Input game -> Solve");
    EXPECT_EQ(StringOf(TheGame().Solution()), solution);
}

}  // namespace
