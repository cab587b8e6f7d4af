// The solver's worker thread seen from the window: GetAnswer and entering a puzzle with 1013.
// Every suite here is named SolveThread*, so a ThreadSanitizer build can run just these.
#include "GameWindowFixture.h"
#include "Solver.h"
#include "SolveWorker.h"

#include <atomic>
#include <chrono>
#include <semaphore>
#include <thread>

namespace {

// The solved grid with its first row blank: exactly one completion, the solved grid.
const std::string FirstRowBlank = std::string(9, '.') + SolvedGrid.substr(9);
// Cells 0 and 1 are empty and share a row with two 5s, so nothing completes it.
const std::string Unsolvable = With(With(FirstRowBlank, 2, '5'), 3, '5');

class SolveThreadDialogTest : public GameWindowFixture {
protected:
    void TearDown() override { OpenGate(); m_dialog.reset(); }  // no worker left waiting or outliving the gate

    // From now on each solve waits until the test opens the gate, so the test can act meanwhile.
    void GateTheSolver()
    {
        m_dialog->m_solveWorker.SetSolver([this](const Grid81& grid, Grid81& result) {
            ++m_calls;
            m_gate.acquire();
            m_gate.release();
            return SolveGrid(grid, result);
        });
    }
    void OpenGate() { m_gate.release(); }

    std::counting_semaphore<> m_gate{0};
    std::atomic<int> m_calls{0};
};

// A replaced game drops the pending answer or No Answer; a second GetAnswer meanwhile starts nothing.
TEST_F(SolveThreadDialogTest, AnswerOrNoAnswerForAReplacedGameIsDropped)
{
    SaveAs("g.sav");  // for Load Game
    GateTheSolver();
    for (const int replacing : {1007, 1005, 1004, 1013}) {
        SCOPED_TRACE(replacing);
        SetGame(replacing == 1005 ? Unsolvable : FirstRowBlank, NoDigits, SolvedGrid);
        Press(1006);
        Press(1006);
        m_ui.m_answers = {true};  // 1013: clear the board
        Press(replacing);
        const GameState replaced = State();
        OpenGate();
        ASSERT_TRUE(WaitForSolve());
        QTest::qWait(20);  // a second notice would arrive now
        EXPECT_EQ(State(), replaced);
        EXPECT_TRUE(m_ui.m_messages.isEmpty());
        m_gate.acquire();  // closed again for the next round
    }
    EXPECT_EQ(m_calls, 4);
}

TEST_F(SolveThreadDialogTest, ClosingTheWindowWhileSolvingWaitsForTheWorker)
{
    GateTheSolver();
    Press(1006);
    std::thread opener([this] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); OpenGate(); });
    m_dialog.reset();
    opener.join();
    EXPECT_EQ(m_calls, 1);
}

using SolveThreadInputGameTest = SolveThreadDialogTest;

// 1013 asks before clearing a game. Until the entry is solved, judging, revealing and hints say so,
// and a Quick Game that cannot read data.dat leaves the entry running.
TEST_F(SolveThreadInputGameTest, EntryStartsOnlyWhenNothingIsLostAndWaitsForItsSolve)
{
    Type(FirstCell(false), Qt::Key_5);
    const GameState game = State();
    Press(1013);
    EXPECT_EQ(m_ui.m_questions, QStringList({"Question: Clear the board to enter a puzzle?"}));
    EXPECT_EQ(State(), game);
    EXPECT_EQ(Caption(1013), "Input game -> Solve");
    StartEntry();
    EXPECT_EQ(Shown() + Shown(true) + StringOf(Board().m_puzzle) + StringOf(Board().m_solution), std::string(4 * 81, '.'));
    EXPECT_EQ(Caption(1013), "Solve");

    ASSERT_TRUE(QFile::remove(DataFile()));
    Press(1007);
    Type(0, Qt::Key_4);
    Press(1007);
    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't read data.dat",
                                            "error! can't read data.dat, the game on the board stays"}));
    EXPECT_EQ(Text(0), "4");
    Select(20);
    const GameState entered = State();
    for (const int refused : {1014, 1008, 1011, 0}) {  // Get Result, Done, help, then a hint (0)
        SCOPED_TRACE(refused);
        m_ui.m_messages.clear();
        refused ? Press(refused) : Click(Qt::Key_Space);
        EXPECT_EQ(m_ui.m_messages, QStringList({"Press Solve first"}));
        EXPECT_EQ(State(), entered);
    }
    EXPECT_EQ(Caption(1013), "Solve");
}

// Without an answer the entry stays editable; with one its digits become givens, and the window
// rates the puzzle or says that it has several solutions.
TEST_F(SolveThreadInputGameTest, EntryIsSolvedIntoAGameOrStaysEditableForATypo)
{
    StartEntry();
    SetGame(Unsolvable, NoDigits, NoDigits);
    const GameState unsolvable = State();
    Press(1013);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(m_ui.m_messages, QStringList({"No Answer"}));
    EXPECT_EQ(State(), unsolvable);
    EXPECT_EQ(Caption(1013), "Solve");

    for (const int typo : {2, 3})
        Type(typo, DigitKey(SolvedGrid[typo]));
    const std::string entered = Shown();
    Press(1013);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(Shown() + StringOf(Board().m_solution), SolvedGrid + SolvedGrid);
    EXPECT_EQ(StringOf(Board().m_puzzle) + Shown(true), entered + entered) << "the entered digits become the givens";
    EXPECT_EQ(Caption(1013), "Input game -> Solve");
    EXPECT_EQ(m_ui.m_messages.last(), "Solved. Hardest step: full house (1.0).");
    for (int undo = 0; undo < 2; ++undo) {  // the solve is one step; the entry's own would empty a given
        QTest::mouseClick(&Board(), Qt::BackButton, {}, QPoint(300, 200));
        EXPECT_EQ(Shown(), entered);
    }

    StartEntry();
    SetGame(TwoSolutions, NoDigits, NoDigits);
    Press(1013);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(m_ui.m_messages.last(), "This puzzle has more than one solution; the board shows one of them.");
    EXPECT_EQ(Shown().find('.'), std::string::npos);
}

}  // namespace
