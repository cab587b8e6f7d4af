// Pencil marks on a shown board: where clicks land, what they cross out, the two commands and undo.
#include "BoardFixture.h"

namespace {

constexpr int kCell = 10;  // (65, 49, 130, 98): the second column, second row

class SmallDigitMarksTest : public testing::Test {
protected:
    CBoardWnd& Board() { return *m_dialog.board; }
    // A click with `button` at (x, y); returns how many times the board was drawn.
    int ClickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        const int renders = Board().RenderCount();
        QTest::mouseClick(&Board(), button, Qt::NoModifier, QPoint(x, y));
        return Board().RenderCount() - renders;
    }
    // The digits crossed out in `cell`, as a string such as "159".
    std::string CrossedOut(int cell) const
    {
        std::string digits;
        for (int digit = 1; digit <= 9; ++digit)
            if (m_dialog.board->m_marks.IsCrossedOut(cell, digit))
                digits += char('0' + digit);
        return digits;
    }

    BoardOnDialog m_dialog;
};

}  // namespace

// Each click zone is a ninth of the cell, cut by integer division: columns of 22, 22 and 21
// pixels, rows of 17, 16 and 16: the far corners, and both sides of each edge.
TEST_F(SmallDigitMarksTest, ClickZonesAreTheNinthsOfTheCellLaidOutLikeTheDigits)
{
    struct Case { int dx, dy, digit; };
    for (const Case& c : {Case{64, 0, 3}, Case{0, 48, 7}, Case{21, 16, 1}, Case{22, 16, 2}, Case{21, 17, 4},
                          Case{22, 17, 5}, Case{43, 32, 5}, Case{44, 32, 6}, Case{43, 33, 8}, Case{44, 33, 9}}) {
        SCOPED_TRACE(testing::Message() << "at +" << c.dx << ",+" << c.dy);
        EXPECT_EQ(ClickAt(65 + c.dx, 49 + c.dy), 1) << "one redraw";
        EXPECT_EQ(CrossedOut(kCell), std::string(1, char('0' + c.digit)));
        EXPECT_EQ(ClickAt(65 + c.dx, 49 + c.dy), 1);
        EXPECT_EQ(CrossedOut(kCell), "") << "a second click brings it back";
    }
}

TEST_F(SmallDigitMarksTest, ClicksCrossOutNothingWhereNoSmallDigitsAreShown)
{
    struct Case { const char* name; std::string text; bool given, showSmall; Qt::MouseButton button; };
    for (const Case& c : {Case{"small digits switched off", "", false, false, Qt::LeftButton},
                          Case{"given cell", "", true, true, Qt::LeftButton},
                          Case{"cell holding a digit", "4", false, true, Qt::LeftButton},
                          Case{"right button", "", false, true, Qt::RightButton}}) {
        SCOPED_TRACE(c.name);
        m_dialog.SetCell(kCell, c.text, c.given);
        Board().m_showSmall = c.showSmall;
        EXPECT_EQ(ClickAt(90, 60, c.button), 0);
        EXPECT_FALSE(Board().m_marks.AnyCrossedOut());
        EXPECT_FALSE(Board().m_history.CanUndo());
    }
}

// Each command is one undo step; a new step after an undo drops the steps that could be redone.
TEST_F(SmallDigitMarksTest, KeepOnlyPossibleCrossesOutWhatEmptyCellsSeeAndShowAllBringsItBack)
{
    // Grid81 rows are board columns: cell 0's row holds cell 3, its column cell 27, its box cell 20.
    m_dialog.SetCell(3, "5", false);
    m_dialog.SetCell(27, "7", true);
    m_dialog.SetCell(20, "2", false);
    m_dialog.SetCell(80, "9", false);
    m_dialog.SetCell(8, "", true);  // given, so left alone
    Board().m_marks.Toggle(0, 1);   // crossed out before: stays so
    Board().m_marks.Toggle(3, 6);   // hidden under a digit: kept

    const int renders = Board().RenderCount();
    Board().KeepOnlyPossibleSmallDigits();
    EXPECT_EQ(Board().RenderCount(), renders + 1);
    struct Case { int cell; const char* crossedOut; };
    for (const Case& c : {Case{0, "1257"}, Case{1, "25"}, Case{30, "57"}, Case{72, "79"}, Case{79, "9"},
                          Case{44, "9"}, Case{40, ""}, Case{8, ""}, Case{3, "6"}, Case{80, ""}})
        EXPECT_EQ(CrossedOut(c.cell), c.crossedOut) << "cell " << c.cell;

    Board().ShowAllSmallDigits();
    EXPECT_FALSE(Board().m_marks.AnyCrossedOut());
    EXPECT_EQ(Board().RenderCount(), renders + 2);
    EXPECT_TRUE(Board().Undo());
    EXPECT_EQ(CrossedOut(0), "1257");
    EXPECT_TRUE(Board().Undo());
    EXPECT_EQ(CrossedOut(0), "1");
    EXPECT_EQ(ClickAt(90, 60), 1);
    EXPECT_TRUE(Board().Undo());
    EXPECT_FALSE(Board().Undo());
}
