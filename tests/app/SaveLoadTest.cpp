// Save Game and Load Game: the .sav bytes, the extension rule, bad files and failed writes.
#include "GameWindowFixture.h"
#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveLoadFixture : public GameWindowFixture {
protected:
    QString PathOf(const char* name) { return m_dir.filePath(QString::fromLatin1(name)); }

    void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    void SaveAs(const QString& path)
    {
        m_ui.m_chosenPath = path;
        Press(1003);
    }
    void LoadFrom(const QString& path)
    {
        m_ui.m_chosenPath = path;
        Press(1004);
    }

    // A game in play: a typed digit, a hint and an empty cell.
    void PlayALittle()
    {
        QuickGame(2);
        const std::vector<int> open = Cells(false, 2);
        Select(open[0]);
        Click(Qt::Key_7);
        Select(open[1]);
        Click(Qt::Key_Space);
    }
};

// The four lines as the player's game holds them, each ended by CR LF.
QByteArray ExpectedFile(const std::string& shown, const Grid81& puzzle, const Grid81& solution, int hints)
{
    const auto line = [](std::string cells) {
        std::replace(cells.begin(), cells.end(), '.', '0');
        return cells + "\r\n";
    };
    return QByteArray::fromStdString(line(shown) + line(StringOf(puzzle)) + line(StringOf(solution))
                                     + std::to_string(hints) + "\r\n");
}

TEST_F(SaveLoadFixture, SaveWritesTheFourLinesWithCrLfIn252BytesOverAnyOldFile)
{
    PlayALittle();
    const GameState before = State();
    WriteFile(PathOf("game.sav"), QByteArray(1000, 'x'));
    SaveAs(PathOf("game.sav"));

    const QByteArray bytes = ReadAll(PathOf("game.sav"));
    EXPECT_EQ(bytes.size(), 252);
    EXPECT_EQ(bytes, ExpectedFile(Shown(), Board().m_puzzle, Board().m_solution, 1));
    EXPECT_EQ(m_ui.m_fileDialogs, QStringList({"save " + m_dir.path() + " SaveGame (*.sav)"}));
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
    EXPECT_TRUE(m_ui.m_questions.isEmpty()) << "replacing a file asks nothing";
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(FocusOnList());
}

TEST_F(SaveLoadFixture, LoadRestoresTheSavedGameButNotLevelSelectionOrSmallDigits)
{
    PlayALittle();
    SaveAs(PathOf("game.sav"));
    GameState expected = State();
    QByteArray lf = ReadAll(PathOf("game.sav"));
    lf.replace("\r\n", "\n");
    WriteFile(PathOf("lf.sav"), lf);

    QuickGame(4);
    m_dialog->m_showSmallCheck->click();
    const int renders = Board().RenderCount();
    LoadFrom(PathOf("game.sav"));

    expected.level = 4;
    expected.listRow = 3;
    expected.showSmall = false;
    EXPECT_EQ(State(), expected);
    EXPECT_EQ(Board().RenderCount(), renders + 1) << "one redraw for the whole game";
    EXPECT_EQ(m_ui.m_fileDialogs.last(), "open " + m_dir.path() + " SaveGame (*.sav)");
    EXPECT_TRUE(m_ui.m_messages.isEmpty());

    QuickGame(4);
    LoadFrom(PathOf("lf.sav"));
    EXPECT_EQ(State(), expected) << "LF line ends load like CR LF";
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
}

struct BadFileCase {
    const char* name;
    const char* bytes;  // null: no such file
    qint64 extendTo = 0;  // the file grows to this size with zero bytes, sparse where it can
};

class BadSavedGameTest : public SaveLoadFixture, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadSavedGameTest, ShowsItsMessageAndChangesNothing)
{
    PlayALittle();
    const GameState before = State();
    const int renders = Board().RenderCount();
    if (GetParam().bytes)
        WriteFile(PathOf("bad.sav"), QByteArray(GetParam().bytes));
    if (GetParam().extendTo > 0)
        ASSERT_TRUE(QFile::resize(PathOf("bad.sav"), GetParam().extendTo));
    LoadFrom(PathOf("bad.sav"));

    EXPECT_EQ(m_ui.m_messages, QStringList({GetParam().bytes ? "error! bad.sav is not a saved game"
                                                             : "error! can't read bad.sav"}));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Board().RenderCount(), renders);
    EXPECT_TRUE(FocusOnList());
}

#define LINE81(c) c c c c c c c c c "\r\n"
#define ROW9(d) d d d d d d d d d

INSTANTIATE_TEST_SUITE_P(
    Files, BadSavedGameTest,
    testing::Values(
        BadFileCase{"Missing", nullptr},
        BadFileCase{"ThreeLines", LINE81(ROW9("0")) LINE81(ROW9("0")) LINE81(ROW9("1"))},
        BadFileCase{"HintCountNotANumber", LINE81(ROW9("0")) LINE81(ROW9("0")) LINE81(ROW9("1")) "two\r\n"},
        BadFileCase{"GivenNotShown", LINE81(ROW9("0")) LINE81(ROW9("5")) LINE81(ROW9("5")) "0\r\n"},
        BadFileCase{"GameFollowedBy3GiB", LINE81(ROW9("0")) LINE81(ROW9("0")) LINE81(ROW9("1")) "0\r\n", 3LL << 30},
        BadFileCase{"GameFollowedByOneByteTooMany", LINE81(ROW9("0")) LINE81(ROW9("0")) LINE81(ROW9("1")) "0\r\n",
                    WholeFileLimit + 1}),
    [](const testing::TestParamInfo<BadFileCase>& info) { return std::string(info.param.name); });

// Folders that cannot take the file even for root: one that does not exist, and a folder
// standing where the file should go.
TEST_F(SaveLoadFixture, CancelledDialogsAndSavesThatCannotWriteChangeNothing)
{
    PlayALittle();
    const GameState before = State();
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
    m_ui.m_chosenPath.clear();
    Press(1003);
    Press(1004);
    EXPECT_EQ(m_ui.m_fileDialogs.size(), 2);
    EXPECT_TRUE(m_ui.m_messages.isEmpty()) << "a cancelled dialog says nothing";
    SaveAs(PathOf("no-such-folder/game.sav"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("taken.sav")));
    SaveAs(PathOf("taken.sav"));

    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't write to game.sav", "error! can't write to taken.sav"}));
    EXPECT_TRUE(QFileInfo(PathOf("taken.sav")).isDir());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(FocusOnList());
}

}  // namespace
