// The board over its frame: the cells and boxes, and the selection that mouse moves make.
#include "BoardFixture.h"

#include <QMouseEvent>

// Counts the paint events of the widget it filters.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

// Cells run column by column over the frame, boxes are cut from the frame itself. With no cell or a
// stray one selected, the first cell counts as selected. A move into a cell selects it (its top-left
// corner included) and redraws the board once; outside every cell nothing changes.
TEST(BoardLayout, CellsRunColumnByColumnAndTheMouseSelectsTheCellUnderIt)
{
    BoardOnDialog dialog;
    CBoardWnd& board = *dialog.board;
    EXPECT_EQ(dialog.Cell(8).GetRect(), (Rect{0, 392, 65, 441}));
    EXPECT_EQ(dialog.Cell(80).GetRect(), (Rect{520, 392, 585, 441}));
    EXPECT_EQ(board.m_boxRects[8], (Rect{392, 294, 588, 441}));  // 588 / 3, not 3 * 65
    EXPECT_EQ(board.geometry(), QRect(0, 0, 588, 442));

    EXPECT_EQ(board.GetSelectedCell(), &dialog.Cell(0));
    CCell stray(Rect{0, 0, 1, 1});
    board.m_selected = &stray;
    EXPECT_EQ(board.GetSelectedCell(), &dialog.Cell(0));

    PaintCounter counter;
    board.installEventFilter(&counter);
    struct Case { QPoint at; int cell, renders; };
    for (const Case& c : {Case{{65, 49}, 10, 1}, Case{{300, 300}, 42, 1}, Case{{586, 10}, 42, 0},
                          Case{{10, 441}, 42, 0}}) {
        SCOPED_TRACE(testing::Message() << "at " << c.at.x() << "," << c.at.y());
        const int renders = board.RenderCount();
        const int paints = counter.paints;
        QTest::mouseMove(&board, c.at);
        QCoreApplication::processEvents();
        EXPECT_EQ(board.m_selected, &dialog.Cell(c.cell));
        EXPECT_EQ(board.RenderCount() - renders, c.renders);
        EXPECT_EQ(counter.paints > paints, c.renders > 0);
    }
    EXPECT_GE(board.Picture().pixelColor(300, 294).red(), 200) << "the picture shows the selection";
    // A fractional position (scaled screens) belongs to the pixel it lies in.
    QMouseEvent move(QEvent::MouseMove, QPointF(64.6, 48.6), board.mapToGlobal(QPointF(64.6, 48.6)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&board, &move);
    EXPECT_EQ(board.m_selected, &dialog.Cell(0));
}
