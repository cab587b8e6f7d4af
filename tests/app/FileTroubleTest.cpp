// Files in trouble seen from the window: a full disk, a FIFO, a long name, a data.dat that cannot be dealt from.
// The game on the board stays, the files stay as they were, and the player is told.
#include "AtOnce.h"
#include "CGameApp.h"
#include "FullDisk.h"
#include "GameWindowFixture.h"
#include "QtUiSeam.h"

#include <QDir>
#include <QMessageBox>
#include <QScreen>

#include <sys/stat.h>

namespace {

class FileTroubleTest : public GameWindowFixture {
public:
    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
protected:
    QByteArray Read(const char* name)
    {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Entries() const { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
};

// Save and Print meet a full disk, Load a FIFO: each says so at once and names the file, nothing opens, and
// the old files and the game stay exactly as they were.
TEST_F(FileTroubleTest, FullDiskAndFifoChangeNothingAndSaySo)
{
    const QByteArray oldSave(252, 's'), oldPrint(1000, 'p');
    Write(PathOf("game.sav"), oldSave);
    Write(PathOf("print.bmp"), oldPrint);
    ASSERT_EQ(mkfifo(QFile::encodeName(PathOf("pipe.sav")).constData(), 0600), 0);
    const QStringList entries = Entries();
    const GameState before = State();
    {
        const FileSizeLimit fullDisk(100);
        SaveAs("game.sav");
        Press(1009);
    }
    AtOnce([this] { LoadFrom("pipe.sav"); return true; });

    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't write to game.sav", "error! can't write to print.bmp",
                                            "error! can't read pipe.sav"}));
    EXPECT_TRUE(m_ui.m_opened.isEmpty());
    EXPECT_EQ(Entries(), entries);
    EXPECT_EQ(Read("game.sav"), oldSave);
    EXPECT_EQ(Read("print.bmp"), oldPrint);
    EXPECT_EQ(State(), before);
}

// Every line of this data.dat is damaged: all 1s.
const QByteArray DamagedData(50 * 82, '1');

// A Quick Game that meets a damaged line keeps the game on the board.
TEST_F(FileTroubleTest, QuickGameOnADamagedDataFileKeepsTheGame)
{
    Write(DataFile(), DamagedData);
    GameState expected = State();
    QuickGame(3);
    expected.listRow = 2;
    EXPECT_EQ(m_ui.m_messages, QStringList({"error! data.dat is damaged"}));
    EXPECT_EQ(State(), expected);
}

// A data.dat that is there but cannot be dealt from is no missing installation: the window opens on an empty
// board and says why, at once also for a FIFO.
TEST(StartupTest, ADataFileThatCannotBeDealtFromOpensTheWindowWithTheReason)
{
    const struct { const char* name; const char* message; } cases[] = {
        {"folder", "error! can't read data.dat"},
        {"fifo", "error! can't read data.dat"},
        {"damaged", "error! data.dat is damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.dat"));
        if (c.name == std::string("folder"))
            ASSERT_TRUE(QDir().mkdir(path));
        else if (c.name == std::string("fifo"))
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            ASSERT_NO_FATAL_FAILURE(FileTroubleTest::Write(path, DamagedData));

        RecordingUi ui;
        EXPECT_TRUE(CheckDataFile(dir.path(), ui));
        FixedSeedRandom random;
        const auto dialog = AtOnce([&] { return std::make_unique<CMainDlg>(ui, dir.path(), random); });
        EXPECT_EQ(ui.m_messages, QStringList({c.message}));
        EXPECT_TRUE(dialog->m_game.IsEmpty());
    }
}

// A name of 255 bytes is saved over and over; a message naming it is shortened in the middle of the name, so the
// box fits its screen, while a short one shows as it is.
TEST_F(FileTroubleTest, TheLongestNameIsSavedAgainAndItsMessageFitsTheScreen)
{
    const std::string name = "start" + std::string(243, 'g') + "end.sav";
    SaveAs(name.c_str());
    const QByteArray first = Read(name.c_str());
    Type(FirstCell(false), Qt::Key_5);
    SaveAs(name.c_str());
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
    EXPECT_NE(Read(name.c_str()), first);

    QtUiSeam seam(m_dialog.get());
    for (const QString& text : {"error! can't write to " + QString::fromStdString(name), QStringLiteral("error! can't read game.sav")}) {
        const std::unique_ptr<QMessageBox> box = seam.MessageBox(text);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
        EXPECT_LE(box->frameGeometry().width(), box->screen()->geometry().width());
        const bool shortened = text.size() > 100;
        EXPECT_EQ(box->text() == text, !shortened);
        if (shortened) {
            EXPECT_TRUE(box->text().startsWith("error! can't write to start") && box->text().endsWith("end.sav"));
            EXPECT_TRUE(box->text().contains(QStringLiteral("…")));
        }
    }
}

}  // namespace
