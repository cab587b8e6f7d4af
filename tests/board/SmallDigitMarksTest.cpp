// Pencil marks on a shown board: where clicks land, what they cross out, and how it is drawn.
#include "BoardFixture.h"
#include "RecordingDC.h"
#include "SmallDigitZones.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kCell = 10;               // (65, 49, 130, 98): the second column, second row

class SmallDigitMarksTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dialog.dialog.resize(600, 460);
        m_dialog.dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog.dialog));
        QCoreApplication::processEvents();
    }

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

// Each click zone is a ninth of the cell, cut by integer division: columns of 22, 22 and 21
// pixels, rows of 17, 16 and 16: the far corners, and both sides of each edge.
TEST_F(SmallDigitMarksTest, ClickZonesAreTheNinthsOfTheCellLaidOutLikeTheDigits)
{
    struct Case { int dx, dy; int digit; };
    const Case cases[] = {
        {64, 0, 3}, {0, 48, 7}, {21, 16, 1}, {22, 16, 2}, {21, 17, 4}, {22, 17, 5},
        {43, 32, 5}, {44, 32, 6}, {43, 33, 8}, {44, 33, 9},
    };
    const Rect cell = Board().m_cells[kCell]->GetRect();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at +" << c.dx << ",+" << c.dy);
        EXPECT_EQ(SmallDigitAt(cell, cell.left + c.dx, cell.top + c.dy), c.digit);
        EXPECT_EQ(ClickAt(cell.left + c.dx, cell.top + c.dy), 1) << "one redraw";
        EXPECT_EQ(CrossedOut(kCell), std::string(1, char('0' + c.digit)));
        EXPECT_EQ(ClickAt(cell.left + c.dx, cell.top + c.dy), 1);
        EXPECT_EQ(CrossedOut(kCell), "") << "a second click brings it back";
    }
    EXPECT_EQ(SmallDigitAt(cell, cell.right, cell.top), 0);
    EXPECT_EQ(SmallDigitAt(cell, cell.left, cell.bottom), 0);
}

TEST_F(SmallDigitMarksTest, ClicksCrossOutNothingWhereNoSmallDigitsAreShown)
{
    struct Case { const char* name; std::string text; bool given; bool showSmall; Qt::MouseButton button; };
    const Case cases[] = {
        {"small digits switched off", "", false, false, Qt::LeftButton},
        {"given cell", "", true, true, Qt::LeftButton},
        {"cell holding a digit", "4", false, true, Qt::LeftButton},
        {"right button", "", false, true, Qt::RightButton},
        {"middle button", "", false, true, Qt::MiddleButton},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialog.SetCell(kCell, c.text, c.given);
        Board().m_showSmall = c.showSmall;
        EXPECT_EQ(ClickAt(90, 60, c.button), 0);
        EXPECT_FALSE(Board().m_marks.AnyCrossedOut());
        EXPECT_FALSE(Board().m_history.CanUndo());
    }
}

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
    const Case cases[] = {{0, "1257"}, {1, "25"}, {30, "57"}, {72, "79"}, {79, "9"}, {44, "9"},
                          {40, ""}, {8, ""}, {3, "6"}, {80, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(CrossedOut(c.cell), c.crossedOut) << "cell " << c.cell;

    Board().ShowAllSmallDigits();
    EXPECT_FALSE(Board().m_marks.AnyCrossedOut());
    EXPECT_EQ(Board().RenderCount(), renders + 2);
    EXPECT_TRUE(Board().Undo());
    EXPECT_EQ(CrossedOut(0), "1257") << "each command is one step";
    EXPECT_TRUE(Board().Undo());
    EXPECT_EQ(CrossedOut(0), "1");
}

// The recording device measures 7 pixels a character and 17 a line, so digit 5 (the second
// of " 4  5  6") lies from 3 to 6 characters into its line, and digit 3 up to the line's end;
// a line with all three crossed out is only its white text box.
TEST_F(SmallDigitMarksTest, CrossedOutDigitsArePaintedOverWhiteRightAfterTheirLine)
{
    RecordingDC plain;
    Board().RenderBoard(plain);
    for (const int digit : {5, 3, 7, 8, 9})
        Board().m_marks.Toggle(kCell, digit);
    RecordingDC marked;
    Board().RenderBoard(marked);

    std::vector<std::string> expected = plain.Log();
    const auto at = [&](const std::string& entry) { return std::find(expected.begin(), expected.end(), entry); };
    expected.insert(at("text ' 1  2  3' 75,51,140,100") + 1, "fill 117,51,131,68 ffffff");
    expected.insert(at("text ' 4  5  6' 75,66,140,115") + 1, "fill 96,66,117,83 ffffff");
    *at("text ' 7  8  9' 75,81,140,130") = "fill 75,81,131,98 ffffff";
    EXPECT_EQ(marked.Log(), expected);
}

}  // namespace
