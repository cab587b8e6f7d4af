// Pencil marks on a shown board: where clicks land, what they cross out, the two commands and undo.
#include "BoardFixture.h"

constexpr int kCell = 10;  // (65, 49, 130, 98): the second column, second row

// A click with `button` at (x, y); returns how many times the board was drawn.
static int ClickAt(CBoardWnd& board, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    const int renders = board.RenderCount();
    QTest::mouseClick(&board, button, Qt::NoModifier, QPoint(x, y));
    return board.RenderCount() - renders;
}

// The digits crossed out in `cell`, as a string such as "159".
static std::string CrossedOut(const CBoardWnd& board, int cell)
{
    std::string digits;
    for (int digit = 1; digit <= 9; ++digit)
        if (board.m_marks.IsCrossedOut(cell, digit))
            digits += char('0' + digit);
    return digits;
}

// Each click zone is a ninth of the cell, cut by integer division: columns of 22, 22 and 21 pixels,
// rows of 17, 16 and 16: the far corners, and both sides of each edge. A click toggles its digit with
// one redraw; where no small digits are shown, it does nothing.
TEST(SmallDigitMarks, ClicksToggleTheDigitUnderThemOnlyWhereSmallDigitsAreShown)
{
    BoardOnDialog dialog;
    CBoardWnd& board = *dialog.board;
    struct Zone { int dx, dy, digit; };
    for (const Zone& c : {Zone{64, 0, 3}, Zone{0, 48, 7}, Zone{21, 16, 1}, Zone{22, 16, 2}, Zone{21, 17, 4},
                          Zone{22, 17, 5}, Zone{43, 32, 5}, Zone{44, 32, 6}, Zone{43, 33, 8}, Zone{44, 33, 9}}) {
        SCOPED_TRACE(testing::Message() << "at +" << c.dx << ",+" << c.dy);
        EXPECT_EQ(ClickAt(board, 65 + c.dx, 49 + c.dy), 1) << "one redraw";
        EXPECT_EQ(CrossedOut(board, kCell), std::string(1, char('0' + c.digit)));
        EXPECT_EQ(ClickAt(board, 65 + c.dx, 49 + c.dy), 1);
        EXPECT_EQ(CrossedOut(board, kCell), "") << "a second click brings it back";
    }
    struct Still { const char* name; const char* text; bool given, showSmall; Qt::MouseButton button{Qt::LeftButton}; };
    for (const Still& c : {Still{"small digits switched off", "", false, false}, Still{"given cell", "", true, true},
                           Still{"cell holding a digit", "4", false, true},
                           Still{"right button", "", false, true, Qt::RightButton}}) {
        SCOPED_TRACE(c.name);
        dialog.SetCell(kCell, c.text, c.given);
        board.m_showSmall = c.showSmall;
        EXPECT_EQ(ClickAt(board, 90, 60, c.button), 0);
        EXPECT_FALSE(board.m_marks.AnyCrossedOut());
    }
}

// Each command is one undo step; a new step after an undo drops the steps that could be redone.
TEST(SmallDigitMarks, KeepOnlyPossibleCrossesOutWhatEmptyCellsSeeAndShowAllBringsItBack)
{
    BoardOnDialog dialog;
    CBoardWnd& board = *dialog.board;
    // Grid81 rows are board columns: cell 0's row holds cell 3, its column cell 27, its box cell 20;
    // cell 8 is an empty given, so left alone.
    for (const auto& [cell, text, given] : {std::tuple{3, "5", false}, {27, "7", true}, {20, "2", false},
                                            {80, "9", false}, {8, "", true}})
        dialog.SetCell(cell, text, given);
    board.m_marks.Toggle(0, 1);  // crossed out before: stays so
    board.m_marks.Toggle(3, 6);  // hidden under a digit: kept

    const int renders = board.RenderCount();
    board.KeepOnlyPossibleSmallDigits();
    EXPECT_EQ(board.RenderCount(), renders + 1);
    struct Case { int cell; const char* crossedOut; };
    for (const Case& c : {Case{0, "1257"}, Case{1, "25"}, Case{30, "57"}, Case{72, "79"}, Case{79, "9"},
                          Case{44, "9"}, Case{40, ""}, Case{8, ""}, Case{3, "6"}, Case{80, ""}})
        EXPECT_EQ(CrossedOut(board, c.cell), c.crossedOut) << "cell " << c.cell;

    board.ShowAllSmallDigits();
    EXPECT_FALSE(board.m_marks.AnyCrossedOut());
    EXPECT_EQ(board.RenderCount(), renders + 2);
    EXPECT_TRUE(board.Undo());
    EXPECT_EQ(CrossedOut(board, 0), "1257");
    EXPECT_TRUE(board.Undo());
    EXPECT_EQ(CrossedOut(board, 0), "1");
    EXPECT_EQ(ClickAt(board, 90, 60), 1);
    EXPECT_TRUE(board.Undo());
    EXPECT_FALSE(board.Undo());
}
