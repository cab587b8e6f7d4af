// The rendered picture probed pixel by pixel: fills, text backgrounds, outlines, selection.
#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGivenGrey(200, 200, 200);
const QColor kSmallGrey(180, 180, 180);

QColor At(const BoardOnDialog& dialog, int x, int y)
{
    return dialog.board->Picture().pixelColor(x, y);
}

// Every outline alternates between two colours one unit apart.
struct OutlineColours {
    QColor first;
    QColor second;
    bool Match(const QColor& colour) const { return colour == first || colour == second; }
};
const OutlineColours kCellOutline{QColor(0, 0, 0), QColor(1, 0, 0)};
const OutlineColours kBoxOutline{QColor(0, 0, 200), QColor(0, 0, 201)};
const OutlineColours kSelectionOutline{QColor(200, 0, 0), QColor(201, 0, 0)};

int CountInside(const BoardOnDialog& dialog, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += At(dialog, x, y) == colour ? 1 : 0;
    return count;
}

}  // namespace

TEST(RenderBoardPixels, GivenCellIsGreyAroundAGreyTextBox)
{
    BoardOnDialog dialog;
    dialog.SetCell(10, "5", true);
    dialog.board->RenderBoard();
    EXPECT_EQ(At(dialog, 68, 95), kGivenGrey);
    EXPECT_EQ(At(dialog, 91, 65), kGivenGrey);  // top-left corner of the digit's text box
    EXPECT_GT(CountInside(dialog, QRect(91, 65, 12, 22), QColor(0, 0, 0)), 10);
}

TEST(RenderBoardPixels, TypedDigitIsBlackOnWhite)
{
    BoardOnDialog dialog;
    dialog.SetCell(11, "7", false);
    dialog.board->RenderBoard();
    EXPECT_EQ(At(dialog, 91, 114), kWhite);
    EXPECT_GT(CountInside(dialog, QRect(91, 114, 12, 22), QColor(0, 0, 0)), 10);
    EXPECT_EQ(CountInside(dialog, QRect(75, 100, 50, 12), kSmallGrey), 0);  // no small digits
}

TEST(RenderBoardPixels, SmallDigitsKeepAWhiteBoxInsideAGivenFill)
{
    BoardOnDialog dialog;
    dialog.SetCell(10, "", true);
    dialog.board->RenderBoard();
    EXPECT_EQ(At(dialog, 68, 52), kGivenGrey);
    EXPECT_EQ(At(dialog, 75, 51), kWhite);  // top-left corner of the first line's text box
    EXPECT_GT(CountInside(dialog, QRect(75, 51, 50, 45), kSmallGrey), 20);
}

TEST(RenderBoardPixels, SwitchingSmallDigitsOffChangesOnlyEmptyCells)
{
    BoardOnDialog dialog;
    dialog.SetCell(40, "3", false);
    dialog.SetCell(41, "8", true);
    dialog.board->RenderBoard();
    const QImage with = dialog.board->Picture();
    dialog.board->m_showSmall = false;
    dialog.board->RenderBoard();
    const QImage without = dialog.board->Picture();
    EXPECT_EQ(CountInside(dialog, QRect(0, 0, 588, 442), kSmallGrey), 0);
    int changed = 0;
    for (int y = 0; y < 442; ++y) {
        for (int x = 0; x < 588; ++x) {
            if (with.pixel(x, y) == without.pixel(x, y))
                continue;
            ++changed;
            const int column = x / 65;
            const int row = std::min(y / 49, 8);
            ASSERT_TRUE(dialog.Cell(column * 9 + row).m_text.empty()) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 79 * 60);
}

TEST(RenderBoardPixels, BoxOutlinesAreBlueOnTheirInnerEdges)
{
    BoardOnDialog dialog;
    for (const QPoint point : {QPoint(195, 10), QPoint(100, 146), QPoint(391, 200), QPoint(300, 293),
                               QPoint(587, 400), QPoint(500, 440), QPoint(0, 300), QPoint(450, 147)})
        EXPECT_TRUE(kBoxOutline.Match(At(dialog, point.x(), point.y()))) << point.x() << "," << point.y();
}

TEST(RenderBoardPixels, CellOutlinesAreBlackOnSharedEdges)
{
    BoardOnDialog dialog;
    for (const QPoint point : {QPoint(300, 196), QPoint(260, 220), QPoint(455, 60), QPoint(585, 20)})
        EXPECT_TRUE(kCellOutline.Match(At(dialog, point.x(), point.y()))) << point.x() << "," << point.y();
}

TEST(RenderBoardPixels, FirstCellCarriesTheRedSelectionBeforeAnyMouseMove)
{
    BoardOnDialog dialog;
    for (const QPoint point : {QPoint(30, 0), QPoint(30, 1), QPoint(64, 20), QPoint(66, 20), QPoint(30, 50),
                               QPoint(1, 30)})
        EXPECT_TRUE(kSelectionOutline.Match(At(dialog, point.x(), point.y()))) << point.x() << "," << point.y();
    EXPECT_FALSE(kSelectionOutline.Match(At(dialog, 30, 2)));
    EXPECT_EQ(dialog.board->m_selected, nullptr);
}
