// Pencil marks, undo and redo through the board's menu and the mouse buttons, across new and saved games.
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
        const int column = (digit - 1) % 3, row = (digit - 1) / 3;
        QTest::mouseClick(&Board(), Qt::LeftButton, {}, QPoint(rect.left + rect.Width() * (2 * column + 1) / 6,
                                                              rect.top + rect.Height() * (2 * row + 1) / 6));
    }

    // The board menu as it would open now, "text:on" or "text:off" per entry; the entry `choose` is chosen.
    QStringList BoardMenu(const QString& choose = {})
    {
        QMenu menu;
        m_dialog->FillBoardMenu(menu);
        QStringList entries;
        for (QAction* action : menu.actions()) {
            entries << action->text() + (action->isEnabled() ? ":on" : ":off");
            EXPECT_TRUE(action->shortcut().isEmpty() && !action->text().contains('&')) << action->text().toStdString();
            if (action->text() == choose && action->isEnabled())
                action->trigger();
        }
        return entries;
    }
    bool CanUndo() { return BoardMenu().contains("Undo:on"); }
    bool CanRedo() { return BoardMenu().contains("Redo:on"); }

    // What the cells show and, after a bar, every crossed-out small digit as cell:digit.
    std::string Entries()
    {
        std::string entries = Shown() + "|";
        for (int cell = 0; cell < 81; ++cell)
            for (int digit = 1; digit <= 9; ++digit)
                if (Board().m_marks.IsCrossedOut(cell, digit))
                    entries += std::to_string(cell) + ":" + char('0' + digit) + " ";
        return entries;
    }
};

// Undo by back button and menu in turn, redo by forward button (off the board too) and menu;
// neither touches anything but the entries, and a hint stays spent.
TEST_F(UndoRedoTest, UndoAndRedoWalkAMixedSequenceOfStepsExactly)
{
    const std::vector<int> open = Cells(false, 3);
    const Qt::Key wrongKey = Solution(open[0]) == "7" ? Qt::Key_8 : Qt::Key_7;  // the hint must change it
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"wrong digit", [&] { Type(open[0], wrongKey); }},
        {"mark click", [&] { ClickSmallDigit(open[1], 4); }},
        {"second mark click", [&] { ClickSmallDigit(open[1], 9); }},
        {"hint over the wrong digit", [&] { Type(open[0], Qt::Key_Space); }},
        {"key on a given cell: no step", [&] { Type(FirstCell(true), Qt::Key_5); }},
        {"keep only possible", [&] { BoardMenu("Keep only possible small digits"); }},
        {"right digit typed", [&] { Type(open[2], DigitKey(Solution(open[2])[0])); }},
        {"GetAnswer", [&] { Press(1006); ASSERT_TRUE(WaitForSolve()); }},
        {"Get Result on the solved board: no step", [&] { Press(1014); }},
        {"key 0 clears", [&] { Type(open[1], Qt::Key_0); }},
        {"show all small digits again", [&] { BoardMenu("Show all small digits again"); }},
    };
    std::vector<std::string> history{Entries()};
    for (const auto& [name, act] : steps) {
        SCOPED_TRACE(name);
        act();
        EXPECT_EQ(Entries() != history.back(), std::string_view(name).find("no step") == std::string_view::npos);
        if (Entries() != history.back())
            history.push_back(Entries());
    }
    GameState fixed = State();
    for (size_t n = history.size() - 1; n > 0; --n) {
        SCOPED_TRACE(testing::Message() << "undo to " << n - 1);
        const int renders = Board().RenderCount();
        if (n % 2)
            QTest::mouseClick(&Board(), Qt::BackButton, {}, QPoint(300, 200));
        else
            BoardMenu("Undo");
        EXPECT_EQ(Board().RenderCount(), renders + 1);
        EXPECT_EQ(Entries(), history[n - 1]);
    }
    EXPECT_FALSE(CanUndo());
    fixed.shown = Shown();
    EXPECT_EQ(State(), fixed);
    for (size_t n = 1; n < history.size(); ++n) {
        SCOPED_TRACE(testing::Message() << "redo to " << n);
        if (n % 2)
            QTest::mouseClick(m_dialog.get(), Qt::ForwardButton, {}, QPoint(300, 600));
        else
            BoardMenu("Redo");
        EXPECT_EQ(Entries(), history[n]);
    }
    EXPECT_FALSE(CanRedo());

    // A new step after two undos drops the two that could have been redone.
    BoardMenu("Undo");
    BoardMenu("Undo");
    Type(open[1], Qt::Key_0);
    EXPECT_FALSE(CanRedo());
    BoardMenu("Undo");
    BoardMenu("Undo");
    EXPECT_EQ(Entries(), history[history.size() - 4]) << "the two undone steps are gone";
}

// A new game forgets the marks and steps of the one before; Load Game brings back its saved marks.
TEST_F(UndoRedoTest, EveryNewGameStartsAnEmptyHistoryAndLoadGameItsSavedMarks)
{
    const std::vector<int> open = Cells(false, 2);
    for (const auto& [cell, digit] : {std::pair{open[0], 1}, {open[0], 9}, {open[1], 3}})
        ClickSmallDigit(cell, digit);
    const std::string saved = Entries();
    SaveAs("marks.sav");  // for Load Game
    for (const int start : {1007, 1005, 1004, 1013}) {  // Quick Game, New Game, Load Game, puzzle entry
        SCOPED_TRACE(start);
        QuickGame(2);
        ClickSmallDigit(FirstCell(false), 1);
        ClickSmallDigit(FirstCell(false), 2);
        BoardMenu("Undo");
        ASSERT_TRUE(CanUndo() && CanRedo());
        m_ui.m_answers = {true};  // the entry asks before clearing the board
        Press(start);
        EXPECT_EQ(Entries(), start == 1004 ? saved : Shown() + "|");
        EXPECT_FALSE(CanUndo() || CanRedo());
    }
}

}  // namespace
