// RenderBoard read two ways: the calls on a recording device context, and the picture's pixels.
#include "BoardFixture.h"
#include "RecordingDC.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Log = std::vector<std::string>;
constexpr size_t kMissing = static_cast<size_t>(-1);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGivenGrey(200, 200, 200);
const QColor kSmallGrey(180, 180, 180);

// Where `run` starts as consecutive entries of `log` at or after `from`.
size_t FindRun(const Log& log, const Log& run, size_t from = 0)
{
    const auto found = std::search(log.begin() + static_cast<long>(from), log.end(), run.begin(), run.end());
    return found == log.end() ? kMissing : static_cast<size_t>(found - log.begin());
}

class RenderBoardTest : public testing::Test {
protected:
    Log Record()
    {
        RecordingDC dc;
        m_dialog.board->RenderBoard(dc);
        EXPECT_TRUE(dc.Faults().empty());
        EXPECT_EQ(dc.LivePens(), 0);
        return dc.Log();
    }

    QColor At(int x, int y) const { return m_dialog.board->Picture().pixelColor(x, y); }
    int CountInside(const QRect& area, const QColor& colour) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += At(x, y) == colour ? 1 : 0;
        return count;
    }
    // Every outline alternates between `first` and the colour `unit` above it.
    void ExpectOutline(const std::vector<QPoint>& points, QColor first, QRgb unit)
    {
        const QColor second = QColor::fromRgb(first.rgb() + unit);
        for (const QPoint point : points)
            EXPECT_TRUE(At(point.x(), point.y()) == first || At(point.x(), point.y()) == second)
                << point.x() << "," << point.y();
    }

    BoardOnDialog m_dialog;
};

using RenderBoardCalls = RenderBoardTest;
using RenderBoardPixels = RenderBoardTest;

}  // namespace

TEST_F(RenderBoardCalls, GivenCellIsFilledThenOutlinedThenLabelledOnGrey)
{
    m_dialog.SetCell(10, "5", true);
    const Log log = Record();
    const size_t fill = FindRun(log, {"fill 65,49,130,98 c8c8c8", "create P21 000000 w1", "create P22 010000 w1",
                                      "select P21", "select P21", "move 65,49"});
    ASSERT_NE(fill, kMissing);
    // The outline's sixth segment ends on its last step and selects the first pen again.
    EXPECT_NE(FindRun(log, {"line 65,49", "select P21", "textcolor 000000", "font Arial 150", "bkcolor c8c8c8",
                            "bkmode opaque", "text '5' 91,65,156,114", "font none", "select stock", "delete P21",
                            "delete P22"}, fill),
              kMissing);
}

TEST_F(RenderBoardCalls, EmptyCellShowsThreeLinesOfSmallDigitsOnlyWhenSwitchedOn)
{
    EXPECT_NE(FindRun(Record(), {"textcolor b4b4b4", "font Arial 110", "bkcolor ffffff", "bkmode opaque",
                                 "text ' 1  2  3' 75,51,140,100", "text ' 4  5  6' 75,66,140,115",
                                 "text ' 7  8  9' 75,81,140,130", "font none"}),
              kMissing);
    m_dialog.board->m_showSmall = false;
    const Log without = Record();
    EXPECT_TRUE(std::ranges::none_of(without, [](const std::string& e) { return e.starts_with("text"); }));
}

TEST_F(RenderBoardCalls, BoxOutlinesLieInsideTheirRectanglesAfterAllCells)
{
    const Log log = Record();
    const size_t boxes = FindRun(log, {"create P163 0000c8 w1", "create P164 0000c9 w1"});
    ASSERT_NE(boxes, kMissing);
    EXPECT_NE(FindRun(log, {"select P163", "move 196,147"}, boxes), kMissing);
    EXPECT_NE(FindRun(log, {"line 587,440"}, boxes), kMissing);
    EXPECT_EQ(FindRun(log, {"move 520,392"}, boxes), kMissing);  // the last cell's outline came before
}

TEST_F(RenderBoardCalls, SelectionOutlineIsDrawnLastWithTheWidePen)
{
    m_dialog.board->m_selected = &m_dialog.Cell(10);
    const Log log = Record();
    EXPECT_EQ(Log(log.end() - 22, log.end()),
              (Log{"create P165 c80000 w3", "create P166 c90000 w3", "select P165", "select P165", "move 65,49",
                   "line 103,49", "select P166", "line 130,49", "line 130,60", "select P165", "line 130,98",
                   "select P166", "line 92,98", "select P165", "line 65,98", "line 65,87", "select P166",
                   "line 65,49", "select P165", "select stock", "delete P165", "delete P166"}));
}

TEST_F(RenderBoardPixels, GivenCellIsGreyAroundAGreyTextBox)
{
    m_dialog.SetCell(10, "5", true);
    m_dialog.board->RenderBoard();
    EXPECT_EQ(At(68, 95), kGivenGrey);
    EXPECT_EQ(At(91, 65), kGivenGrey);  // top-left corner of the digit's text box
    EXPECT_GT(CountInside(QRect(91, 65, 12, 22), kBlack), 10);
}

TEST_F(RenderBoardPixels, OutlinesHaveTheirColoursWhereTheyLie)
{
    ExpectOutline({{195, 10}, {100, 146}, {391, 200}, {300, 293}, {587, 400}, {500, 440}, {0, 300}, {450, 147}},
                  QColor(0, 0, 200), 0x000001);  // boxes, on their inner edges
    ExpectOutline({{300, 196}, {260, 220}, {455, 60}, {585, 20}}, kBlack, 0x010000);  // cells, on shared edges
}

TEST_F(RenderBoardPixels, FirstCellCarriesTheRedSelectionBeforeAnyMouseMove)
{
    ExpectOutline({{30, 0}, {30, 1}, {64, 20}, {66, 20}, {30, 50}, {1, 30}}, QColor(200, 0, 0), 0x010000);
    EXPECT_NE(At(30, 2), QColor(200, 0, 0));
    EXPECT_NE(At(30, 2), QColor(201, 0, 0));
    EXPECT_EQ(m_dialog.board->m_selected, nullptr);
}
