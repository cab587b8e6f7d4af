// The workers' threads seen from the window: GetAnswer, entering a puzzle with Input game -> Solve, and the help.
// Every suite here is named SolveThread*, so a ThreadSanitizer build can run just these.
#include "GameWindowFixture.h"
#include "SolveWorker.h"

#include <atomic>
#include <chrono>
#include <semaphore>
#include <thread>

namespace {

// The solved grid with its first row blank: exactly one completion, the solved grid.
const std::string kFirstRowBlank = std::string(9, '.') + kSolvedGrid.substr(9);
// Cells 0 and 1 are empty and share a row with two 5s, so nothing completes it.
const std::string kUnsolvable = With(With(kFirstRowBlank, 2, '5'), 3, '5');

class SolveThreadDialogTest : public GameWindowFixture {
protected:
    void TearDown() override { OpenGate(); m_dialog.reset(); }  // no worker left waiting or outliving the gate

    // From now on each of the worker's searches waits until the test opens the gate, so the test can act meanwhile.
    template <typename Question, typename Outcome>
    void Gate(Worker<Question, Outcome>& worker, Outcome (*search)(const Question&))
    {
        worker.SetSearch([this, search](const Question& question) {
            ++m_calls;
            m_gate.acquire();
            m_gate.release();
            return search(question);
        });
    }
    void GateTheSolver() { Gate(m_dialog->m_solveWorker, SolveAndDescribe); }
    Qt::CursorShape Cursor() { return m_dialog->cursor().shape(); }
    void OpenGate() { m_gate.release(); }

    std::counting_semaphore<> m_gate{0};
    std::atomic<int> m_calls{0};
};

// A replaced game drops the pending answer or No Answer; a second GetAnswer meanwhile starts nothing.
TEST_F(SolveThreadDialogTest, AnswerOrNoAnswerForAReplacedGameIsDropped)
{
    SaveAs("g.sav");  // for Load Game
    GateTheSolver();
    for (const int replacing : {IDC_QUICK_GAME, IDC_NEW_GAME, IDC_LOAD_GAME, IDC_INPUT_GAME}) {
        SCOPED_TRACE(replacing);
        SetGame(replacing == IDC_NEW_GAME ? kUnsolvable : kFirstRowBlank, kNoDigits, kSolvedGrid);
        Press(IDC_GET_ANSWER);
        Press(IDC_GET_ANSWER);
        EXPECT_EQ(Cursor(), Qt::BusyCursor);
        m_ui.m_answers = {true};  // Input game: clear the board
        Press(replacing);
        const GameState replaced = State();
        OpenGate();
        ASSERT_TRUE(WaitForSolve());
        QTest::qWait(20);  // a second notice would arrive now
        EXPECT_EQ(Cursor(), Qt::ArrowCursor);
        EXPECT_EQ(State(), replaced);
        EXPECT_TRUE(m_ui.m_messages.isEmpty());
        m_gate.acquire();  // closed again for the next round
    }
    EXPECT_EQ(m_calls, 4);
}

TEST_F(SolveThreadDialogTest, ClosingTheWindowWhileSearchingWaitsForTheWorkers)
{
    GateTheSolver();
    Gate(m_dialog->m_helpWorker, AdviseHelp);
    Press(IDC_GET_ANSWER);
    Press(IDC_GIVE_HELP);
    std::thread opener([this] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); OpenGate(); });
    m_dialog.reset();
    opener.join();
    EXPECT_EQ(m_calls, 2);
}

using SolveThreadHelpTest = SolveThreadDialogTest;

// A long help search leaves the window to the player under a busy cursor and shows its advice when it comes;
// a second press meanwhile does nothing, and advice about a board changed since is dropped.
TEST_F(SolveThreadHelpTest, LongSearchKeepsTheWindowAndDropsAdviceOnAChangedBoard)
{
    SetGame(kFirstRowBlank, kFirstRowBlank, kSolvedGrid);
    m_dialog->m_helpWorker.SetSearch([](const HelpQuestion&) { return HelpAdvice{}; });  // a quick answer shows at once
    Press(IDC_GIVE_HELP);
    EXPECT_EQ(m_ui.m_messages, QStringList({"The board is complete."}));
    Gate(m_dialog->m_helpWorker, AdviseHelp);
    for (const bool typeMeanwhile : {false, true}) {
        SCOPED_TRACE(typeMeanwhile);
        m_ui.m_messages.clear();
        Board().SelectCell(80);
        m_dialog->GetDlgItem(IDC_QUICK_GAME)->setFocus();
        Press(IDC_GIVE_HELP);
        EXPECT_EQ(Cursor(), Qt::BusyCursor);
        EXPECT_TRUE(FocusOnList());
        if (typeMeanwhile)
            Type(0, Qt::Key_5);
        Press(IDC_GIVE_HELP);
        OpenGate();
        ASSERT_TRUE(WaitForHelp());
        EXPECT_EQ(Cursor(), Qt::ArrowCursor);
        EXPECT_EQ(m_ui.m_messages, typeMeanwhile ? QStringList() : QStringList({"Full house: row 1, column 1 is the last empty cell in row 1, so it takes the 4."}));
        EXPECT_EQ(Board().GetSelectedIndex(), 0);  // the advice's cell, or where the player typed
        m_gate.acquire();  // closed again for the next round
    }
    EXPECT_EQ(m_calls, 2);
}

using SolveThreadInputGameTest = SolveThreadDialogTest;

// Input game asks before clearing a game. Until the entry is solved, judging, revealing and hints say so,
// and a Quick Game that cannot read data.dat leaves the entry running.
TEST_F(SolveThreadInputGameTest, EntryStartsOnlyWhenNothingIsLostAndWaitsForItsSolve)
{
    Type(FirstCell(false), Qt::Key_5);
    const GameState game = State();
    Press(IDC_INPUT_GAME);
    EXPECT_EQ(m_ui.m_questions, QStringList({"Question: Clear the board to enter a puzzle?"}));
    EXPECT_EQ(State(), game);
    EXPECT_EQ(Caption(IDC_INPUT_GAME), "Input game -> Solve");
    StartEntry();
    EXPECT_EQ(Shown(), kNoDigits);

    ASSERT_TRUE(QFile::remove(DataFile()));
    Press(IDC_QUICK_GAME);
    Type(0, Qt::Key_4);
    Press(IDC_QUICK_GAME);
    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't read data.dat",
                                            "error! can't read data.dat, the game on the board stays"}));
    EXPECT_EQ(Digit(0), '4');
    Board().SelectCell(20);
    const GameState entered = State();
    for (const int refused : {int(IDC_GET_RESULT), int(IDC_DONE), int(IDC_GIVE_HELP), 0}) {  // Get Result, Done, help, then a hint (0)
        SCOPED_TRACE(refused);
        m_ui.m_messages.clear();
        refused ? Press(refused) : Click(Qt::Key_Space);
        EXPECT_EQ(m_ui.m_messages, QStringList({"Press Solve first"}));
        EXPECT_EQ(State(), entered);
    }
    EXPECT_EQ(Caption(IDC_INPUT_GAME), "Solve");
}

// Without an answer the entry stays editable; with one its digits become givens (the rules: the game's
// tests), and the window rates the puzzle or says that it has several solutions.
TEST_F(SolveThreadInputGameTest, EntryIsSolvedIntoAGameOrStaysEditableForATypo)
{
    StartEntry();
    Enter(kUnsolvable);
    const GameState unsolvable = State();
    Press(IDC_INPUT_GAME);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(m_ui.m_messages, QStringList({"No Answer"}));
    EXPECT_EQ(State(), unsolvable);
    EXPECT_EQ(Caption(IDC_INPUT_GAME), "Solve");
    for (const auto& [entered, message] :  // the typos corrected, then another puzzle
         {std::pair{kFirstRowBlank, "Solved. Hardest step: full house (1.0)."},
          {kTwoSolutions, "This puzzle has more than one solution; the board shows one of them."}}) {
        Enter(entered);
        Press(IDC_INPUT_GAME);
        ASSERT_TRUE(WaitForSolve());
        EXPECT_EQ(m_ui.m_messages.last(), message);
        EXPECT_EQ(Shown(true), entered);
        EXPECT_EQ(Shown().find('.'), std::string::npos);
        EXPECT_EQ(Caption(IDC_INPUT_GAME), "Input game -> Solve");
        StartEntry();
    }
}

}  // namespace
