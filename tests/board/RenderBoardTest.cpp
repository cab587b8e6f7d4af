// Drawing the board: RenderBoard's calls on a recording device context and its picture's pixels,
// and QImageDC, which paints the picture by GDI's rules.
#include "BoardFixture.h"
#include "QImageDC.h"

namespace {

constexpr size_t kMissing = std::string::npos;
const QColor kGivenGrey(200, 200, 200);

// Cell 0 (0,0,65,49) plain and selected, cell 10 (65,49,130,98) a given 5, cell 20
// (130,98,195,147) with small digits 3, 5, 7, 8 and 9 crossed out.
class RenderBoardTest : public testing::Test {
protected:
    RenderBoardTest()
    {
        m_dialog.SetCell(10, "5", true);
        for (const int digit : {5, 3, 7, 8, 9})
            m_dialog.board->m_marks.Toggle(20, digit);
        m_dialog.board->RenderBoard();
    }
    std::string Record()
    {
        RecordingDC dc;
        m_dialog.board->RenderBoard(dc);
        return dc.log;
    }
    QColor At(int x, int y) const { return m_dialog.board->Picture().pixelColor(x, y); }
    // Every outline alternates between `first` and the colour `unit` above it.
    void ExpectOutline(std::initializer_list<QPoint> points, QColor first, QRgb unit) const
    {
        const QColor second = QColor::fromRgb(first.rgb() + unit);
        for (const QPoint p : points)
            EXPECT_TRUE(At(p.x(), p.y()) == first || At(p.x(), p.y()) == second) << p.x() << "," << p.y();
    }

    BoardOnDialog m_dialog;
};

}  // namespace

TEST_F(RenderBoardTest, CellsAreFilledOutlinedAndLabelledThenTheBoxesThenTheSelection)
{
    const std::string log = Record();
    // The given: grey fill, its own pens, and its digit on grey a third into the cell plus five pixels.
    EXPECT_NE(log.find("fill 65,49,130,98 c8c8c8; create P21 000000 w1; create P22 010000 w1; select P21; "
                       "select P21; move 65,49"), kMissing);
    EXPECT_NE(log.find("line 65,49; select P21; textcolor 000000; font Arial 150; bkcolor c8c8c8; opaque; "
                       "text '5' 91,65,156,114; font none; select stock; delete P21; delete P22"), kMissing);
    // Empty cells: three lines of small grey digits; crossed-out ones painted white right after their line,
    // neighbours at once, a line with all three crossed out not written.
    EXPECT_NE(log.find("textcolor b4b4b4; font Arial 110; bkcolor ffffff; opaque; text ' 1  2  3' 10,2,75,51; "
                       "text ' 4  5  6' 10,17,75,66; text ' 7  8  9' 10,32,75,81; font none"), kMissing);
    EXPECT_NE(log.find("text ' 1  2  3' 140,100,205,149; fill 182,100,196,117 ffffff; text ' 4  5  6' 140,115,205,164; "
                       "fill 161,115,182,132 ffffff; fill 140,130,196,147 ffffff; font none"), kMissing);
    // Boxes inside their rectangles, after every cell; the selection last, with the wide pen.
    const size_t boxes = log.find("create P163 0000c8 w1; create P164 0000c9 w1");
    ASSERT_NE(boxes, kMissing);
    EXPECT_NE(log.find("line 587,440", boxes), kMissing);
    EXPECT_NE(log.find("create P165 c80000 w3; create P166 c90000 w3; select P165; select P165; move 0,0", boxes),
              kMissing);

    m_dialog.board->m_showSmall = false;
    EXPECT_EQ(Record().find("text ' "), kMissing) << "small digits switched off";
}

TEST_F(RenderBoardTest, PixelsShowTheGreyGivenTheOutlinesInTheirColoursAndTheFirstCellSelected)
{
    const QImage& picture = m_dialog.board->Picture();
    EXPECT_EQ(At(68, 95), kGivenGrey);
    EXPECT_EQ(At(91, 65), kGivenGrey);  // top-left corner of the digit's text box
    EXPECT_GT(CountPixels(picture, QRect(91, 65, 12, 22), Qt::black), 10);
    EXPECT_GT(CountPixels(picture, QRect(10, 2, 55, 45), QColor(180, 180, 180)), 10) << "small digits in grey";
    ExpectOutline({{195, 10}, {100, 146}, {391, 200}, {300, 293}, {587, 400}, {500, 440}, {0, 300}, {450, 147}},
                  QColor(0, 0, 200), 0x000001);  // boxes, on their inner edges, over the cells' outlines
    ExpectOutline({{300, 196}, {260, 220}, {455, 60}, {585, 20}}, Qt::black, 0x010000);  // cells, on shared edges
    // Before any mouse move, nothing is selected and the first cell is shown selected, three pixels wide.
    EXPECT_EQ(m_dialog.board->m_selected, nullptr);
    ExpectOutline({{30, 0}, {30, 1}, {64, 20}, {66, 20}, {30, 50}, {1, 30}}, QColor(200, 0, 0), 0x010000);
    EXPECT_EQ(At(30, 2), QColor(Qt::white));
}

TEST(QImageDC, LinesLeaveOutTheirEndPointWidePensCoverBothEndsAndOpaqueTextFillsItsClippedBox)
{
    const QColor ink(10, 20, 30);
    QImage image(40, 40, QImage::Format_RGB32);
    TextLayoutCache layouts;
    const auto line = [&](QPoint from, QPoint to, int width) {
        image.fill(Qt::white);
        QImageDC dc(image, layouts);
        dc.SelectPen(dc.CreatePen(Rgb(10, 20, 30), width));
        dc.MoveTo(from.x(), from.y());
        dc.LineTo(to.x(), to.y());
    };
    struct Case { QPoint from, to, lastDrawn; };
    for (const Case& c : {Case{{2, 2}, {10, 2}, {9, 2}}, Case{{10, 5}, {2, 5}, {3, 5}}, Case{{4, 1}, {4, 9}, {4, 8}},
                          Case{{6, 9}, {6, 1}, {6, 2}}, Case{{2, 20}, {8, 26}, {7, 25}}}) {
        SCOPED_TRACE(testing::Message() << "to " << c.to.x() << "," << c.to.y());
        line(c.from, c.to, 1);
        EXPECT_EQ(image.pixelColor(c.from), ink);
        EXPECT_EQ(image.pixelColor(c.lastDrawn), ink);
        EXPECT_EQ(image.pixelColor(c.to), QColor(Qt::white));
    }
    line({5, 5}, {10, 5}, 3);
    EXPECT_EQ(CountPixels(image, image.rect(), ink), 8 * 3) << "a square of three around both ends";
    EXPECT_EQ(image.pixelColor(4, 4), ink);
    EXPECT_EQ(image.pixelColor(11, 6), ink);

    image.fill(Qt::white);
    QImageDC dc(image, layouts);
    dc.SetBkColor(Rgb(200, 200, 200));
    dc.SetBkMode(BackgroundMode::Opaque);
    dc.DrawText("88888", Rect{2, 3, 12, 40});
    EXPECT_EQ(image.pixelColor(2, 3), kGivenGrey);
    EXPECT_EQ(image.pixelColor(1, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(12, 5), QColor(Qt::white)) << "clipped to its rectangle";
}
