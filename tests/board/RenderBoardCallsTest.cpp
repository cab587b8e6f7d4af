// RenderBoard's drawing order and arguments, read from a recording device context.
#include "BoardFixture.h"
#include "RecordingDC.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Log = std::vector<std::string>;
constexpr size_t kMissing = static_cast<size_t>(-1);

// Where `run` starts as consecutive entries of `log` at or after `from`.
size_t FindRun(const Log& log, const Log& run, size_t from = 0)
{
    const auto found = std::search(log.begin() + static_cast<long>(from), log.end(), run.begin(), run.end());
    return found == log.end() ? kMissing : static_cast<size_t>(found - log.begin());
}

Log Render(BoardOnDialog& dialog)
{
    RecordingDC dc;
    dialog.board->RenderBoard(dc);
    EXPECT_TRUE(dc.Faults().empty());
    EXPECT_EQ(dc.LivePens(), 0);
    return dc.Log();
}

}  // namespace

TEST(RenderBoardCalls, StartsWithTheWhiteBackgroundOfThePicture)
{
    BoardOnDialog dialog;
    EXPECT_EQ(Render(dialog).front(), "fill 0,0,588,442 ffffff");
}

TEST(RenderBoardCalls, GivenCellIsFilledThenOutlinedThenLabelledOnGrey)
{
    BoardOnDialog dialog;
    dialog.SetCell(10, "5", true);
    const Log log = Render(dialog);
    const size_t fill = FindRun(log, {"fill 65,49,130,98 c8c8c8", "create P21 000000 w1", "create P22 010000 w1",
                                      "select P21", "select P21", "move 65,49"});
    ASSERT_NE(fill, kMissing);
    // The outline's sixth segment ends on its last step and selects the first pen again.
    EXPECT_NE(FindRun(log, {"line 65,49", "select P21", "textcolor 000000", "font Arial 150", "bkcolor c8c8c8", "bkmode opaque",
                            "text '5' 91,65,156,114", "font none", "select stock", "delete P21", "delete P22"},
                      fill),
              kMissing);
}

TEST(RenderBoardCalls, TypedDigitGoesOnWhite)
{
    BoardOnDialog dialog;
    dialog.SetCell(11, "7", false);
    EXPECT_NE(FindRun(Render(dialog), {"bkcolor ffffff", "bkmode opaque", "text '7' 91,114,156,163"}), kMissing);
}

TEST(RenderBoardCalls, EmptyCellShowsThreeLinesOfSmallDigitsOnlyWhenSwitchedOn)
{
    BoardOnDialog dialog;
    const Log small{"textcolor b4b4b4", "font Arial 110", "bkcolor ffffff", "bkmode opaque",
                    "text ' 1  2  3' 75,51,140,100", "text ' 4  5  6' 75,66,140,115",
                    "text ' 7  8  9' 75,81,140,130", "font none"};
    EXPECT_NE(FindRun(Render(dialog), small), kMissing);
    dialog.board->m_showSmall = false;
    const Log without = Render(dialog);
    EXPECT_EQ(std::count_if(without.begin(), without.end(), [](const std::string& e) { return e.starts_with("text"); }), 0);
}

TEST(RenderBoardCalls, BoxOutlinesLieInsideTheirRectanglesAfterAllCells)
{
    BoardOnDialog dialog;
    const Log log = Render(dialog);
    const size_t boxes = FindRun(log, {"create P163 0000c8 w1", "create P164 0000c9 w1"});
    ASSERT_NE(boxes, kMissing);
    EXPECT_NE(FindRun(log, {"select P163", "move 196,147"}, boxes), kMissing);
    EXPECT_NE(FindRun(log, {"line 587,440"}, boxes), kMissing);
    EXPECT_EQ(FindRun(log, {"move 520,392"}, boxes), kMissing);  // the last cell's outline came before
}

TEST(RenderBoardCalls, SelectionOutlineIsDrawnLastWithTheWidePen)
{
    BoardOnDialog dialog;
    dialog.board->m_selected = &dialog.Cell(10);
    const Log log = Render(dialog);
    const Log tail(log.end() - 22, log.end());
    EXPECT_EQ(tail, (Log{"create P165 c80000 w3", "create P166 c90000 w3", "select P165", "select P165",
                         "move 65,49", "line 103,49", "select P166", "line 130,49", "line 130,60", "select P165",
                         "line 130,98", "select P166", "line 92,98", "select P165", "line 65,98", "line 65,87",
                         "select P166", "line 65,49", "select P165", "select stock", "delete P165",
                         "delete P166"}));
}

TEST(RenderBoardCalls, StaleSelectionIsRepairedToTheFirstCell)
{
    BoardOnDialog dialog;
    CCell stray(Rect{300, 300, 310, 310});
    dialog.board->m_selected = &stray;
    const Log log = Render(dialog);
    EXPECT_EQ(dialog.board->m_selected, &dialog.Cell(0));
    EXPECT_NE(FindRun(log, {"create P165 c80000 w3", "create P166 c90000 w3", "select P165", "select P165", "move 0,0"}),
              kMissing);
}
