// The board's creation over the frame: cells column by column, boxes from the frame, the selection.
#include "BoardFixture.h"

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
    EXPECT_EQ(board.m_boxRects[8], (Rect{392, 294, 588, 441}));
    EXPECT_EQ(board.geometry(), QRect(0, 0, 588, 442));
    EXPECT_EQ(board.Picture().size(), QSize(588, 442));
}

TEST(GetSelectedCell, RepairsANullOrStraySelectionToTheFirstCell)
{
    BoardOnDialog dialog;
    EXPECT_EQ(dialog.board->GetSelectedCell(), &dialog.Cell(0));
    CCell stray(Rect{0, 0, 1, 1});
    dialog.board->m_selected = &stray;
    EXPECT_EQ(dialog.board->GetSelectedCell(), &dialog.Cell(0));
    dialog.board->m_selected = &dialog.Cell(42);
    EXPECT_EQ(dialog.board->GetSelectedCell(), &dialog.Cell(42));
}
