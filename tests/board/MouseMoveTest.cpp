// Selecting the cell under the mouse with real move events on a shown board.
#include "BoardFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MouseMove : public testing::Test, public QObject {
protected:
    void SetUp() override
    {
        m_dialog.dialog.resize(600, 460);
        m_dialog.dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog.dialog));
        QCoreApplication::processEvents();
        board().installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

    // Moves the mouse to (x, y) and returns how many renders and paints followed.
    std::pair<int, int> MoveTo(int x, int y)
    {
        const int renders = board().RenderCount();
        const int paints = m_paints;
        QTest::mouseMove(&board(), QPoint(x, y));
        QCoreApplication::processEvents();
        return {board().RenderCount() - renders, m_paints - paints};
    }

    CBoardWnd& board() { return *m_dialog.board; }
    int m_paints = 0;
    BoardOnDialog m_dialog;
};

}  // namespace

TEST_F(MouseMove, TopLeftCornerBelongsToTheCell)
{
    const auto [renders, paints] = MoveTo(65, 49);
    EXPECT_EQ(board().m_selected, &m_dialog.Cell(10));
    EXPECT_EQ(renders, 1);
    EXPECT_GE(paints, 1);
    // A fractional position (scaled screens) belongs to the pixel it lies in.
    QMouseEvent move(QEvent::MouseMove, QPointF(64.6, 48.6), board().mapToGlobal(QPointF(64.6, 48.6)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&board(), &move);
    EXPECT_EQ(board().m_selected, &m_dialog.Cell(0));
}

TEST_F(MouseMove, SelectionShowsRedAndOutsideEveryCellNothingChanges)
{
    MoveTo(300, 300);
    EXPECT_EQ(board().m_selected, &m_dialog.Cell(4 * 9 + 6));
    EXPECT_EQ(board().Picture().pixelColor(300, 294).green(), 0);
    EXPECT_GE(board().Picture().pixelColor(300, 294).red(), 200);
    EXPECT_EQ(board().Picture().pixelColor(30, 0).red(), 0);  // the first cell lost its outline
    for (const QPoint point : {QPoint(586, 10), QPoint(10, 441)}) {
        SCOPED_TRACE(std::to_string(point.x()) + "," + std::to_string(point.y()));
        EXPECT_EQ(MoveTo(point.x(), point.y()), std::pair(0, 0));
        EXPECT_EQ(board().m_selected, &m_dialog.Cell(4 * 9 + 6));
    }
}
