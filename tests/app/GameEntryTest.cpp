// Entering a puzzle with button 1013: what the player typed or played is never lost unasked.
#include "GameWindowFixture.h"

#include <functional>

namespace {

using GameEntryTest = GameWindowFixture;

const QString ClearQuestion = QStringLiteral("Question: Clear the board to enter a puzzle?");

// The first press asks while a game is on the board; No keeps it, Yes or an empty board
// starts the entry.
TEST_F(GameEntryTest, FirstPressAsksBeforeClearingAGameAndNoKeepsIt)
{
    Select(FirstCell(false));
    Click(Qt::Key_5);
    const GameState before = State();
    Press(1013);
    EXPECT_EQ(m_ui.m_questions, QStringList({ClearQuestion}));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Caption(1013), "Input game -> Solve");
    EXPECT_TRUE(FocusOnList());

    m_ui.m_answers = {true};
    Press(1013);
    EXPECT_EQ(Shown(), std::string(81, '.'));
    EXPECT_EQ(Caption(1013), "Solve");

    Press(1007);  // a dealt game, then an emptied board: nothing to lose, nothing asked
    SetGame(std::string(81, '.'), std::string(81, '.'), SolvedGrid);
    m_ui.m_questions.clear();
    Press(1013);
    EXPECT_TRUE(m_ui.m_questions.isEmpty());
    EXPECT_EQ(Caption(1013), "Solve");
}

// During the entry there is no solution yet: judging, revealing and hints say what to do.
TEST_F(GameEntryTest, DuringTheEntryGetResultDoneAndHintsSayPressSolveFirst)
{
    m_ui.m_answers = {true};
    Press(1013);
    const std::vector<int> typed = {0, 10, 40};
    for (const int cell : typed) {
        Select(cell);
        Click(DigitKey(SolvedGrid[cell]));
    }
    Select(20);
    const GameState entered = State();
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"Get Result", [this] { Press(1014); }},
        {"Done", [this] { Press(1008); }},
        {"Give me some help!", [this] { Press(1011); }},
        {"Space", [this] { Click(Qt::Key_Space); }},
    };
    for (const auto& [name, act] : actions) {
        SCOPED_TRACE(name);
        m_ui.m_messages.clear();
        act();
        EXPECT_EQ(m_ui.m_messages, QStringList({"Press Solve first"}));
        EXPECT_EQ(State(), entered);
        EXPECT_EQ(Caption(1013), "Solve");
        EXPECT_TRUE(FocusOnList());
    }
}

// A Quick Game that cannot read data.dat leaves the entry running, so the next press of
// 1013 solves what was typed instead of asking to clear it.
TEST_F(GameEntryTest, QuickGameWithoutDataFileLeavesTheEntryRunning)
{
    m_ui.m_answers = {true};
    Press(1013);
    ASSERT_TRUE(QFile::remove(DataFile()));
    Press(1007);
    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't read data.dat"})) << "nothing is on the board";
    Select(0);
    Click(Qt::Key_4);
    Press(1007);
    EXPECT_EQ(m_ui.m_messages.last(), "error! can't read data.dat, the game on the board stays");
    m_ui.m_questions.clear();
    Press(1013);
    EXPECT_TRUE(m_ui.m_questions.isEmpty());
    EXPECT_EQ(Text(0), "4");
}

// A data.dat that is there but holds nothing: the window opens on an empty board and says
// only that data.dat cannot be read.
TEST(GameEntryStartupTest, UnreadableDataFileAtStartupSaysSoWithoutClaimingAGame)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("data.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RecordingUi ui;
    FixedSeedRandom random;
    CMainDlg dialog(ui, dir.path(), random);
    EXPECT_EQ(ui.m_messages, QStringList({"error! can't read data.dat"}));
}

}  // namespace
