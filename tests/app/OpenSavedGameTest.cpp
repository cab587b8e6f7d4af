// A saved game opened from the desktop: named on the command line, or dropped on the window.
#include "CGameApp.h"
#include "GameWindowFixture.h"

#include <QApplication>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// A game in play: givens from the solution, a wrong 9 typed in cell 2, two hints taken.
const QByteArray SavedBytes = QByteArray(
    "439802615821000749950471023542109387360708152178320964684053271295017438713204596\r\n"
    "430802615821000749950471023542109387360708152178320964684053271295017438713204596\r\n"
    "437892615821536749956471823542169387369748152178325964684953271295617438713284596\r\n2\r\n");

class OpenSavedGameTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_RES_DIR "/data.dat"), m_dir.filePath("data.dat")));
        QFile file(m_dir.filePath("game.sav"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(SavedBytes) == SavedBytes.size());
    }

    // Runs the program on `gameFile` until its window is up, notes the board, then quits.
    void RunOn(const QString& gameFile)
    {
        QTimer::singleShot(0, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<CMainDlg*>(widget); dialog && dialog->isVisible()) {
                    m_shown = StringOf(dialog->m_game.Digits());
                    m_puzzle = StringOf(dialog->m_game.Puzzle());
                    m_hintsUsed = dialog->m_game.HintsUsed();
                    m_ui.m_answers = {true};  // "Are you sure to quit?"
                    dialog->reject();
                }
        });
        EXPECT_EQ(CGameApp(m_ui, m_dir.path(), gameFile).InitInstance(), 0);
    }

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    std::string m_shown, m_puzzle;
    int m_hintsUsed = -1;
};

TEST_F(OpenSavedGameTest, TheGameNamedOnTheCommandLineIsOnTheBoardWhenTheWindowOpens)
{
    RunOn(m_dir.filePath("game.sav"));
    EXPECT_EQ(m_shown, StringOf(ParsePuzzleLine(SavedBytes.left(81).toStdString())));
    EXPECT_EQ(m_puzzle, StringOf(ParsePuzzleLine(SavedBytes.mid(83, 81).toStdString())));
    EXPECT_EQ(m_hintsUsed, 2);
    EXPECT_EQ(m_ui.m_messages, QStringList());
}

TEST_F(OpenSavedGameTest, AFileThatCannotBeLoadedSaysSoAndTheStartupGameIsDealt)
{
    RunOn(m_dir.filePath("missing.sav"));
    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't read missing.sav"}));
    EXPECT_GT(std::count_if(m_puzzle.begin(), m_puzzle.end(), [](char c) { return c != '.'; }), 17) << m_puzzle;
}

using SavedGameDropTest = GameWindowFixture;

// Dragged over the window or its board, a file is taken, as a copy, only when it is one .sav file.
TEST_F(SavedGameDropTest, OneSavedGameDroppedOnTheBoardLoadsLikeLoadGame)
{
    SaveAs("dropped.SAV");
    const SavedGame savedGame = TheGame().ToSavedGame();
    QuickGame(3);

    // Enters `target` with the files, proposing a move, and drops them there or leaves again,
    // as Qt delivers a drag from a file manager.
    const auto drag = [](QWidget* target, const QList<QUrl>& urls, bool drop,
                         Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
        QMimeData data;
        data.setUrls(urls);
        const auto verdict = [](const QDropEvent& event) {
            if (!event.isAccepted())
                return QStringLiteral("refused");
            return event.dropAction() == Qt::CopyAction ? QStringLiteral("copied") : QStringLiteral("taken, not copied");
        };
        QDragEnterEvent enter(QPoint(300, 200), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &enter);
        if (verdict(enter) != "copied")
            return verdict(enter);
        QDropEvent end(QPointF(300, 200), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, drop ? static_cast<QEvent*>(&end) : &leave);
        QApplication::processEvents();
        return drop ? verdict(end) : QStringLiteral("left");
    };
    const QUrl saved = QUrl::fromLocalFile(PathOf("dropped.SAV"));
    EXPECT_EQ(drag(m_dialog.get(), {QUrl::fromLocalFile(PathOf("notes.txt"))}, true), "refused");
    EXPECT_EQ(drag(m_dialog.get(), {saved, saved}, true), "refused");
    EXPECT_EQ(drag(&Board(), {saved}, true, Qt::MoveAction), "refused") << "the file would be moved away";
    EXPECT_EQ(drag(&Board(), {saved}, false), "left");
    EXPECT_NE(TheGame().ToSavedGame(), savedGame);
    EXPECT_EQ(drag(&Board(), {saved}, true), "copied");
    EXPECT_EQ(TheGame().ToSavedGame(), savedGame);
    EXPECT_EQ(TheGame().Level(), 3) << "a loaded game keeps the level of the last Quick Game";
    EXPECT_EQ(m_ui.m_messages, QStringList());
}

}  // namespace
