// The solver's worker thread seen from the window: GetAnswer and the input-game flow.
// Every suite here is named SolveThread*, so a ThreadSanitizer build can run just these.
#include "GameWindowFixture.h"
#include "Solver.h"
#include "SolveWorker.h"

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

// The solved grid with its first row blank: exactly one completion, the solved grid.
std::string FirstRowBlank()
{
    std::string cells(SolvedGrid);
    cells.replace(0, 9, 9, '.');
    return cells;
}

// Cells 0 and 1 are empty and share a row with two 5s, so nothing completes it.
std::string Unsolvable()
{
    std::string cells = FirstRowBlank();
    cells[2] = '5';
    cells[3] = '5';
    return cells;
}

// A solver that waits until the test opens the gate, so the test can act while a solve runs.
struct Gate {
    std::promise<void> m_open;
    std::shared_future<void> m_opened = m_open.get_future().share();
    std::atomic<int> m_calls{0};
    std::once_flag m_once;

    void Open() { std::call_once(m_once, [this] { m_open.set_value(); }); }
    SolveWorker::Solver Solver(std::shared_ptr<Gate> self)
    {
        return [self](const Grid81& grid, Grid81& result) {
            ++self->m_calls;
            self->m_opened.wait();
            return SolveGrid(grid, result);
        };
    }
};

class SolveThreadDialogTest : public GameWindowFixture {
protected:
    void TearDown() override { m_gate->Open(); }  // never leave a worker waiting

    void GateTheSolver() { m_dialog->m_solveWorker.SetSolver(m_gate->Solver(m_gate)); }
    bool WaitForSolve()
    {
        return QTest::qWaitFor([this] { return !m_dialog->m_solveWorker.IsBusy(); }, 10000);
    }

    std::shared_ptr<Gate> m_gate = std::make_shared<Gate>();
};

TEST_F(SolveThreadDialogTest, GetAnswerFillsTheBoardWithOneRedrawOrSaysNoAnswer)
{
    SetGame(FirstRowBlank(), FirstRowBlank(), std::string(81, '.'));
    Press(1006);
    EXPECT_TRUE(FocusOnList()) << "the command does not wait for the worker";
    const int renders = Board().RenderCount();
    ASSERT_TRUE(WaitForSolve());

    EXPECT_EQ(Shown(), SolvedGrid);
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(Board().m_cells[i]->m_given) << "cell " << i;
    EXPECT_EQ(Board().RenderCount(), renders + 1);
    EXPECT_TRUE(m_ui.m_messages.isEmpty());

    SetGame(Unsolvable(), std::string(81, '.'), SolvedGrid);
    const GameState before = State();
    Press(1006);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(m_ui.m_messages, QStringList({"No Answer"}));
    EXPECT_EQ(State(), before);
}

// The player goes on while the solve runs: the answer is for the board as pressed.
TEST_F(SolveThreadDialogTest, SecondPressIsIgnoredAndTheWorkerLeavesTheBoardAlone)
{
    GateTheSolver();
    SetGame(FirstRowBlank(), FirstRowBlank(), SolvedGrid);
    Press(1006);
    Press(1006);
    EXPECT_TRUE(FocusOnList());
    Select(0);
    Click(Qt::Key_9);
    const GameState whileSolving = State();
    QTest::qWait(20);
    EXPECT_EQ(State(), whileSolving);

    m_gate->Open();
    ASSERT_TRUE(WaitForSolve());
    QTest::qWait(20);  // a second notice would arrive now
    EXPECT_EQ(m_gate->m_calls, 1);
    EXPECT_EQ(Shown(), SolvedGrid);
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
}

TEST_F(SolveThreadDialogTest, AnswerOrNoAnswerForAReplacedGameIsDropped)
{
    m_ui.m_chosenPath = m_dir.filePath(QStringLiteral("g.sav"));
    Press(1003);
    for (const int replacing : {1007, 1005, 1004, 1013}) {
        SCOPED_TRACE(replacing);
        m_gate = std::make_shared<Gate>();
        GateTheSolver();
        SetGame(FirstRowBlank(), std::string(81, '.'), SolvedGrid);
        Press(1006);
        m_ui.m_answers = {true};  // 1013: clear the board
        Press(replacing);
        const GameState replaced = State();
        m_gate->Open();
        ASSERT_TRUE(WaitForSolve());
        QTest::qWait(20);
        EXPECT_EQ(State(), replaced);
        EXPECT_TRUE(m_ui.m_messages.isEmpty());
        if (replacing == 1013)
            Press(1007);  // back to a dealt game
    }
    const GameState before = State();
    m_dialog->OnTimer(1234);
    m_dialog->OnTimer(7);
    EXPECT_EQ(State(), before) << "a notice without a solve does nothing";
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
}

TEST_F(SolveThreadDialogTest, ClosingTheWindowWhileSolvingWaitsForTheWorker)
{
    GateTheSolver();
    Press(1006);
    std::thread opener([gate = m_gate] {
        std::this_thread::sleep_for(50ms);
        gate->Open();
    });
    m_dialog.reset();
    opener.join();
    EXPECT_EQ(m_gate->m_calls, 1);
}

using SolveThreadInputGameTest = SolveThreadDialogTest;

TEST_F(SolveThreadInputGameTest, FirstPressClearsTheBoardSecondMakesTheEntryGivensAndSolves)
{
    QuickGame(3);
    m_ui.m_answers = {true};
    Press(1013);
    EXPECT_EQ(m_ui.m_questions, QStringList({"Question: Clear the board to enter a puzzle?"}));
    EXPECT_EQ(State().givens, std::vector<bool>(81, false));
    EXPECT_EQ(Board().m_puzzle, Grid81{});
    EXPECT_EQ(Board().m_solution, Grid81{});
    EXPECT_EQ(Shown(), std::string(81, '.'));
    EXPECT_EQ(Caption(1013), "Solve");
    EXPECT_TRUE(FocusOnList());

    const std::string entered = FirstRowBlank();
    SetGame(entered, std::string(81, '.'), std::string(81, '.'));
    Select(80);
    Click(Qt::Key_0);
    Click(DigitKey(SolvedGrid[80]));  // typed like the player
    Press(1013);
    ASSERT_TRUE(WaitForSolve());

    EXPECT_EQ(Shown(), SolvedGrid);
    EXPECT_EQ(StringOf(Board().m_puzzle), entered);
    EXPECT_EQ(StringOf(Board().m_solution), SolvedGrid);
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(Board().m_cells[i]->m_given, entered[i] != '.') << "cell " << i;
    EXPECT_EQ(Caption(1013), "Input game -> Solve");
    Press(1008);
    EXPECT_EQ(m_ui.m_messages,
              QStringList() << "Solved. Hardest step: full house (1.0)." << "Well done!!! Your result is correct!!!");
}

TEST_F(SolveThreadInputGameTest, EntryWithoutAnswerStaysEditableForATypo)
{
    m_ui.m_answers = {true};
    Press(1013);
    SetGame(Unsolvable(), std::string(81, '.'), std::string(81, '.'));
    Press(1013);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(m_ui.m_messages, QStringList({"No Answer"}));
    EXPECT_EQ(Shown(), Unsolvable());
    EXPECT_EQ(State().givens, std::vector<bool>(81, false));
    EXPECT_EQ(Caption(1013), "Solve");

    for (const int typo : {2, 3}) {
        Select(typo);
        Click(DigitKey(SolvedGrid[typo]));
    }
    Press(1013);
    ASSERT_TRUE(WaitForSolve());
    EXPECT_EQ(Shown(), SolvedGrid);
    EXPECT_EQ(Caption(1013), "Input game -> Solve");
}

}  // namespace
