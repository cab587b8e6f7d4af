// The board's creation: its place over the frame, the picture, cells and boxes, the selection.
#include "BoardFixture.h"
#include "BoardFonts.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

TEST(BoardLayout, CellsRunColumnByColumnAndBoxesComeFromTheFrame)
{
    BoardOnDialog dialog;
    CBoardWnd& board = *dialog.board;
    ASSERT_EQ(board.m_cells.size(), 81u);
    EXPECT_EQ(dialog.Cell(0).GetRect(), (Rect{0, 0, 65, 49}));
    EXPECT_EQ(dialog.Cell(8).GetRect(), (Rect{0, 392, 65, 441}));
    EXPECT_EQ(dialog.Cell(10).GetRect(), (Rect{65, 49, 130, 98}));
    EXPECT_EQ(dialog.Cell(80).GetRect(), (Rect{520, 392, 585, 441}));
    EXPECT_EQ(board.m_boxRects[1], (Rect{0, 147, 196, 294}));
    EXPECT_EQ(board.m_boxRects[3], (Rect{196, 0, 392, 147}));
    EXPECT_EQ(board.m_boxRects[8], (Rect{392, 294, 588, 441}));
    EXPECT_EQ(board.geometry(), QRect(0, 0, 588, 442));
    EXPECT_EQ(board.Picture().size(), QSize(588, 442));
    EXPECT_EQ(board.RenderCount(), 1);
    EXPECT_TRUE(board.m_showSmall);
}

TEST(BoardLayout, EveryBoardSeedsTheGeneratorOnceAndTheFontsAreMadeOnce)
{
    ScriptedRandom random({});
    BoardOnDialog first(random);
    BoardOnDialog second(random);
    EXPECT_EQ(random.Seeds(), 2);
    EXPECT_EQ(g_fontsCreated, 1);
    EXPECT_EQ(g_bigFont.FaceName(), "Arial");
    EXPECT_EQ(g_bigFont.TenthsOfPoint(), 150);
    EXPECT_EQ(g_smallFont.TenthsOfPoint(), 110);
}

TEST(BoardLayout, SizeToFrameWithoutParentOrFrameLeavesTheBoardAlone)
{
    CBoardWnd orphan(nullptr);
    orphan.SizeToFrame();
    EXPECT_TRUE(orphan.Picture().isNull());
    QWidget dialogWithoutFrame;
    CBoardWnd board(&dialogWithoutFrame);
    board.SizeToFrame();
    EXPECT_TRUE(board.Picture().isNull());
    board.RenderBoard();
    EXPECT_EQ(board.RenderCount(), 0);
    EXPECT_EQ(board.GetSelectedCell(), nullptr);  // no cells to give
}

TEST(GetSelectedCell, RepairsANullOrStraySelectionToTheFirstCell)
{
    BoardOnDialog dialog;
    EXPECT_EQ(dialog.board->GetSelectedCell(), &dialog.Cell(0));
    EXPECT_EQ(dialog.board->m_selected, nullptr);  // a null selection stays null
    CCell stray(Rect{0, 0, 1, 1});
    dialog.board->m_selected = &stray;
    EXPECT_EQ(dialog.board->GetSelectedCell(), &dialog.Cell(0));
    EXPECT_EQ(dialog.board->m_selected, &dialog.Cell(0));
    dialog.board->m_selected = &dialog.Cell(42);
    EXPECT_EQ(dialog.board->GetSelectedCell(), &dialog.Cell(42));
}
