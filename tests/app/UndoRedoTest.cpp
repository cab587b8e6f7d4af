// Pencil marks, undo and redo as the player meets them: the board's menu, the mouse buttons,
// new games, and the marks in saved games.
#include "GameWindowFixture.h"

#include <QAction>
#include <QMenu>

#include <functional>

namespace {

class UndoRedoTest : public GameWindowFixture {
protected:
    // A left click on small digit `digit` of `cell`, in the middle of its ninth.
    void ClickSmallDigit(int cell, int digit)
    {
        const Rect rect = Board().m_cells[cell]->GetRect();
        const int column = (digit - 1) % 3;
        const int row = (digit - 1) / 3;
        QTest::mouseClick(&Board(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(rect.left + rect.Width() * (2 * column + 1) / 6,
                                 rect.top + rect.Height() * (2 * row + 1) / 6));
    }

    // The board menu as it would open now: each entry's text and whether it is enabled; with
    // `choose`, that entry is chosen.
    std::vector<std::pair<QString, bool>> BoardMenu(const QString& choose = {})
    {
        QMenu menu;
        m_dialog->FillBoardMenu(menu);
        std::vector<std::pair<QString, bool>> entries;
        bool chosen = choose.isEmpty();
        for (QAction* action : menu.actions()) {
            entries.emplace_back(action->text(), action->isEnabled());
            EXPECT_TRUE(action->shortcut().isEmpty() && !action->text().contains('&')) << action->text().toStdString();
            if (action->text() == choose) {
                EXPECT_TRUE(action->isEnabled()) << choose.toStdString();
                action->trigger();
                chosen = true;
            }
        }
        EXPECT_TRUE(chosen) << "no entry " << choose.toStdString();
        return entries;
    }
    void ChooseFromBoardMenu(const QString& text) { BoardMenu(text); }
    bool CanUndo() { return BoardMenu().at(0).second; }
    bool CanRedo() { return BoardMenu().at(1).second; }

    // The player's entries: what the cells show and, after a bar, every cell's crossed-out digits.
    std::string Entries()
    {
        std::string entries = Shown() + "|";
        for (int cell = 0; cell < 81; ++cell) {
            for (int digit = 1; digit <= 9; ++digit)
                if (Board().m_marks.IsCrossedOut(cell, digit))
                    entries += std::to_string(cell) + ":" + char('0' + digit) + " ";
        }
        return entries;
    }
    // Everything but the cells' texts, which undo must never touch.
    GameState Fixed()
    {
        GameState state = State();
        state.texts.clear();
        return state;
    }
};

TEST_F(UndoRedoTest, UndoAndRedoWalkAMixedSequenceOfStepsExactly)
{
    const std::vector<int> open = Cells(false, 3);
    const int given = FirstCell(true);
    const char rightDigit = Solution(open[2])[0];
    const Qt::Key wrongKey = Solution(open[0]) == "7" ? Qt::Key_8 : Qt::Key_7;  // the hint must change it
    struct Step { const char* name; std::function<void()> act; bool changes; };
    const Step steps[] = {
        {"wrong digit", [&] { Select(open[0]); Click(wrongKey); }, true},
        {"mark click", [&] { ClickSmallDigit(open[1], 4); }, true},
        {"second mark click", [&] { ClickSmallDigit(open[1], 9); }, true},
        {"hint over the wrong digit", [&] { Select(open[0]); Click(Qt::Key_Space); }, true},
        {"key on a given cell", [&] { Select(given); Click(Qt::Key_5); }, false},
        {"keep only possible", [&] { ChooseFromBoardMenu("Keep only possible small digits"); }, true},
        {"right digit typed", [&] { Select(open[2]); Click(DigitKey(rightDigit)); }, true},
        {"GetAnswer", [&] {
             Press(1006);
             ASSERT_TRUE(QTest::qWaitFor([&] { return !m_dialog->m_solveWorker.IsBusy(); }, 10000));
         }, true},
        {"Get Result on the solved board", [&] { Press(1014); }, false},
        {"key 0 clears", [&] { Select(open[1]); Click(Qt::Key_0); }, true},
        {"show all small digits again", [&] { ChooseFromBoardMenu("Show all small digits again"); }, true},
    };

    const GameState fixed = Fixed();
    using Menu = std::vector<std::pair<QString, bool>>;
    EXPECT_EQ(BoardMenu(), (Menu{{"Undo", false}, {"Redo", false}, {"Keep only possible small digits", true},
                                 {"Show all small digits again", true}}));
    std::vector<std::string> history{Entries()};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(Entries() != history.back(), step.changes);
        if (Entries() != history.back())
            history.push_back(Entries());
        EXPECT_TRUE(CanUndo());
        EXPECT_FALSE(CanRedo());
    }
    ASSERT_EQ(history.size(), 10u);
    const int hintsUsed = m_dialog->m_hintsUsed;
    EXPECT_EQ(hintsUsed, 1);

    const auto expectFixed = [&] {
        GameState now = Fixed();
        EXPECT_EQ(now.hintsUsed, 1) << "undoing a hint keeps it taken";
        now.hintsUsed = fixed.hintsUsed;
        EXPECT_EQ(now, fixed);
    };
    for (size_t n = history.size() - 1; n > 0; --n) {
        SCOPED_TRACE(testing::Message() << "undo to " << n - 1);
        const int renders = Board().RenderCount();
        if (n % 2)
            QTest::mouseClick(&Board(), Qt::BackButton, Qt::NoModifier, QPoint(300, 200));
        else
            ChooseFromBoardMenu("Undo");
        EXPECT_EQ(Board().RenderCount(), renders + 1);
        EXPECT_EQ(Entries(), history[n - 1]);
        EXPECT_TRUE(CanRedo());
        EXPECT_TRUE(FocusOnList());
        expectFixed();
    }
    EXPECT_FALSE(CanUndo());
    for (size_t n = 1; n < history.size(); ++n) {
        SCOPED_TRACE(testing::Message() << "redo to " << n);
        if (n % 2)
            QTest::mouseClick(m_dialog.get(), Qt::ForwardButton, Qt::NoModifier, QPoint(300, 600));  // off the board
        else
            ChooseFromBoardMenu("Redo");
        EXPECT_EQ(Entries(), history[n]);
        expectFixed();
    }
    EXPECT_FALSE(CanRedo());

    // A new step after two undos drops the two that could have been redone.
    ChooseFromBoardMenu("Undo");
    ChooseFromBoardMenu("Undo");
    Select(open[1]);
    Click(Qt::Key_0);
    EXPECT_FALSE(CanRedo());
    ChooseFromBoardMenu("Undo");
    EXPECT_EQ(Entries(), history[history.size() - 3]);
    ChooseFromBoardMenu("Undo");
    EXPECT_EQ(Entries(), history[history.size() - 4]) << "the two undone steps are gone";
}

TEST_F(UndoRedoTest, EveryNewGameShowsAllSmallDigitsAndStartsAnEmptyHistory)
{
    const QString empty = m_dir.filePath("empty.sav");
    m_ui.m_chosenPath = empty;
    Press(1003);  // a game without marks, to load below
    struct Case { const char* name; std::function<void()> start; };
    const Case cases[] = {
        {"Quick Game", [&] { QuickGame(1); }},
        {"New Game", [&] { Press(1005); }},
        {"Load Game", [&] { m_ui.m_chosenPath = empty; Press(1004); }},
        {"puzzle entry", [&] { m_ui.m_answers = {true}; Press(1013); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QuickGame(2);
        const int cell = FirstCell(false);
        ClickSmallDigit(cell, 1);
        ClickSmallDigit(cell, 2);
        ChooseFromBoardMenu("Undo");
        ASSERT_TRUE(CanUndo() && CanRedo());
        c.start();
        EXPECT_FALSE(Board().m_marks.AnyCrossedOut());
        EXPECT_FALSE(CanUndo());
        EXPECT_FALSE(CanRedo());
    }
}

TEST_F(UndoRedoTest, EnteredPuzzleSolvedIsOneStepBackToItsGivens)
{
    m_ui.m_answers = {true};  // clear the dealt game for the entry
    Press(1013);
    Select(0);
    Click(DigitKey(SolvedGrid[0]));
    ClickSmallDigit(1, 6);
    Press(1013);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_dialog->m_solveWorker.IsBusy(); }, 10000));
    ASSERT_TRUE(Board().m_cells[0]->m_given);
    ChooseFromBoardMenu("Undo");
    EXPECT_EQ(Shown(), std::string(1, SolvedGrid[0]) + std::string(80, '.'));
    EXPECT_TRUE(Board().m_marks.IsCrossedOut(1, 6)) << "marks stay with the entered puzzle";
    EXPECT_FALSE(CanUndo()) << "the entry's own steps would empty a given cell";
}

TEST_F(UndoRedoTest, SavedGameKeepsCrossedOutDigits)
{
    const std::vector<int> open = Cells(false, 2);
    ClickSmallDigit(open[0], 1);
    ClickSmallDigit(open[0], 9);
    ClickSmallDigit(open[1], 3);
    const std::string entries = Entries();
    m_ui.m_chosenPath = m_dir.filePath("marks.sav");
    Press(1003);
    QuickGame(3);
    Press(1004);
    EXPECT_EQ(Entries(), entries);
    EXPECT_FALSE(CanUndo());
}

}  // namespace
