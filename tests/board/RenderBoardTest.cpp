// Drawing the board: RenderBoard's calls on a recording device context, and QImageDC's pixels.
#include "BoardFixture.h"

// Cell 0 (0,0,65,49) plain and selected, cell 10 (65,49,130,98) a given 5, cell 20
// (130,98,195,147) with small digits 3, 5, 7, 8 and 9 crossed out.
TEST(RenderBoard, CellsAreFilledOutlinedAndLabelledThenTheBoxesThenTheSelection)
{
    BoardOnDialog dialog;
    dialog.game.Load(SavedGameOf(With(kNoDigits, 10, '5'), With(kNoDigits, 10, '5'), kNoDigits));
    for (const int digit : {5, 3, 7, 8, 9})
        dialog.game.ToggleMark(20, digit);
    RecordingDC dc;
    dialog.board->RenderBoard(dc);
    const std::string& log = dc.log;
    constexpr size_t kMissing = std::string::npos;

    // The given's digit on grey, a third into the cell plus five pixels, after its outline.
    EXPECT_NE(log.find("line 65,49; select P21; textcolor 000000; font Arial 150; bkcolor c8c8c8; opaque; "
                       "text '5' 91,65,156,114; font none; select stock; delete P21; delete P22"), kMissing);
    // Empty cells: three lines of small grey digits; crossed-out ones painted white right after their line,
    // neighbours at once, a line with all three crossed out not written.
    EXPECT_NE(log.find("textcolor b4b4b4; font Arial 110; bkcolor ffffff; opaque; text ' 1  2  3' 10,2,75,51; "
                       "text ' 4  5  6' 10,17,75,66; text ' 7  8  9' 10,32,75,81; font none"), kMissing);
    EXPECT_NE(log.find("text ' 1  2  3' 140,100,205,149; fill 182,100,196,117 ffffff; text ' 4  5  6' 140,115,205,164; "
                       "fill 161,115,182,132 ffffff; fill 140,130,196,147 ffffff; font none"), kMissing);

    // In pixels: the given's grey fill under its outline and around its digit's text box. Every
    // outline alternates between a colour and the one a unit above it.
    dialog.board->RenderBoard();
    const QImage& picture = dialog.board->Picture();
    const auto expectOutline = [&](std::initializer_list<QPoint> points, QColor first, QRgb unit) {
        for (const QPoint p : points)
            EXPECT_TRUE(picture.pixelColor(p) == first || picture.pixelColor(p) == QColor::fromRgb(first.rgb() + unit))
                << p.x() << "," << p.y();
    };
    EXPECT_EQ(picture.pixelColor(68, 95), QColor(200, 200, 200));
    EXPECT_EQ(picture.pixelColor(91, 65), QColor(200, 200, 200));  // top-left corner of the digit's text box
    EXPECT_GT(CountPixels(picture, QRect(91, 65, 12, 22), Qt::black), 10);
    EXPECT_GT(CountPixels(picture, QRect(10, 2, 55, 45), QColor(180, 180, 180)), 10) << "small digits in grey";
    expectOutline({{195, 10}, {100, 146}, {391, 200}, {300, 293}, {587, 400}, {500, 440}, {0, 300}, {450, 147}},
                  QColor(0, 0, 200), 0x000001);  // boxes, inside their rectangles, over the cells' outlines
    // Cells, on shared edges, and the two corners that only a line drawn leftwards or upwards starts on.
    expectOutline({{300, 196}, {260, 220}, {455, 60}, {585, 20}, {100, 49}, {585, 441}, {0, 441}}, Qt::black, 0x010000);
    // Last, with nothing selected yet, the first cell's selection, three pixels wide, over the boxes.
    expectOutline({{30, 0}, {30, 1}, {64, 20}, {66, 20}, {30, 50}, {1, 30}}, QColor(200, 0, 0), 0x010000);
    EXPECT_EQ(picture.pixelColor(30, 2), QColor(Qt::white));

    dialog.board->SetShowSmall(false);
    RecordingDC withoutSmall;
    dialog.board->RenderBoard(withoutSmall);
    EXPECT_EQ(withoutSmall.log.find("text ' "), kMissing) << "small digits switched off";
}
