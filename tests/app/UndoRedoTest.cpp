// Marks, undo and redo from the window: clicks on small digits, the board's menu and the mouse's buttons.
#include "GameWindowFixture.h"

#include <QAction>
#include <QMenu>

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
};

// Each way to undo or redo redraws once; the mouse's buttons work off the board too. The rules of the
// steps themselves: the game's tests.
TEST_F(UndoRedoTest, ClicksMenuAndMouseButtonsReachTheGamesSteps)
{
    const QStringList marks = {"Keep only possible small digits:on", "Show all small digits again:on"};
    EXPECT_EQ(BoardMenu(), QStringList({"Undo:off", "Redo:off"}) + marks);
    const std::string start = Entries(TheGame());
    ClickSmallDigit(FirstCell(false), 4);
    const std::string clicked = Entries(TheGame());
    EXPECT_EQ(clicked, start + std::to_string(FirstCell(false)) + ":4 ");
    BoardMenu("Keep only possible small digits");
    const std::string kept = Entries(TheGame());

    const int renders = Board().RenderCount();
    QTest::mouseClick(&Board(), Qt::BackButton, {}, QPoint(300, 200));
    EXPECT_EQ(Board().RenderCount(), renders + 1);
    EXPECT_EQ(Entries(TheGame()), clicked);
    BoardMenu("Undo");
    EXPECT_EQ(Entries(TheGame()), start);
    EXPECT_EQ(BoardMenu(), QStringList({"Undo:off", "Redo:on"}) + marks);
    QTest::mouseClick(m_dialog.get(), Qt::ForwardButton, {}, QPoint(300, 600));
    EXPECT_EQ(Entries(TheGame()), clicked);
    BoardMenu("Redo");
    EXPECT_EQ(Entries(TheGame()), kept);
    BoardMenu("Show all small digits again");
    EXPECT_EQ(Entries(TheGame()), start);
}

}  // namespace
