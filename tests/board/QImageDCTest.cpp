// QImageDC against GDI's rules: lines without their end point, wide pens, text boxes, clipping.
#include "QImageDC.h"

#include <gtest/gtest.h>

namespace {

const QColor kInk(10, 20, 30);
const QColor kWhite(255, 255, 255);

class QImageDCTest : public testing::Test {
protected:
    QImageDCTest() : m_image(40, 40, QImage::Format_RGB32) { m_image.fill(Qt::white); }

    // Draws one line with a fresh pen of `width`.
    void Line(QPoint from, QPoint to, int width)
    {
        QImageDC dc(m_image, m_layouts);
        const PenHandle pen = dc.CreatePen(Rgb(10, 20, 30), width);
        const PenHandle before = dc.SelectPen(pen);
        dc.MoveTo(from.x(), from.y());
        dc.LineTo(to.x(), to.y());
        dc.SelectPen(before);
        dc.DeletePen(pen);
    }

    int Count(const QRect& area, const QColor& colour) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += m_image.pixelColor(x, y) == colour ? 1 : 0;
        return count;
    }

    QImage m_image;
    TextLayoutCache m_layouts;
};

}  // namespace

TEST_F(QImageDCTest, ThinLinesLeaveOutTheirEndPointInEveryDirection)
{
    struct Case { QPoint from, to, lastDrawn; };
    for (const Case& c : {Case{{2, 2}, {10, 2}, {9, 2}}, Case{{10, 5}, {2, 5}, {3, 5}}, Case{{4, 1}, {4, 9}, {4, 8}},
                          Case{{6, 9}, {6, 1}, {6, 2}}, Case{{2, 20}, {8, 26}, {7, 25}}}) {
        SCOPED_TRACE(std::to_string(c.to.x()) + "," + std::to_string(c.to.y()));
        m_image.fill(Qt::white);
        Line(c.from, c.to, 1);
        EXPECT_EQ(m_image.pixelColor(c.from), kInk);
        EXPECT_EQ(m_image.pixelColor(c.lastDrawn), kInk);
        EXPECT_EQ(m_image.pixelColor(c.to), kWhite);
    }
}

TEST_F(QImageDCTest, WidePenCoversASquareAroundBothEnds)
{
    Line({5, 5}, {10, 5}, 3);
    EXPECT_EQ(Count(m_image.rect(), kInk), 8 * 3);
    EXPECT_EQ(m_image.pixelColor(4, 4), kInk);
    EXPECT_EQ(m_image.pixelColor(11, 6), kInk);
    EXPECT_EQ(m_image.pixelColor(12, 5), kWhite);
}

TEST_F(QImageDCTest, OpaqueTextFillsItsBoxAndIsClippedToItsRectangle)
{
    QImageDC dc(m_image, m_layouts);
    dc.SetBkColor(Rgb(200, 200, 200));
    dc.SetBkMode(BackgroundMode::Opaque);
    dc.DrawText("88888", Rect{2, 3, 12, 40});
    EXPECT_EQ(m_image.pixelColor(2, 3), QColor(200, 200, 200));
    EXPECT_EQ(m_image.pixelColor(1, 3), kWhite);
    EXPECT_EQ(m_image.pixelColor(12, 5), kWhite);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.DrawText("1\n2", Rect{20, 0, 40, 40});
    EXPECT_EQ(m_image.pixelColor(20, 0), kWhite);
    EXPECT_LT(Count(QRect(20, 22, 20, 18), kWhite), 20 * 18);  // the second line is drawn too
}
