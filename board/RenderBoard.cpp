// RenderBoard: the whole board drawn from the cells, the boxes and the selection.
#include "CBoardWnd.h"

#include "BoardFonts.h"
#include "CPatternPen.h"
#include "QImageDC.h"

#include <array>

namespace {

constexpr Colour kBackground = Rgb(255, 255, 255);
constexpr Colour kGivenFill = Rgb(200, 200, 200);
constexpr Colour kDigitText = Rgb(0, 0, 0);
constexpr Colour kSmallDigitText = Rgb(180, 180, 180);
// Every outline pairs two colours one unit apart, so the pattern alternates pens and the
// line looks solid.
constexpr Colour kCellOutline[] = {Rgb(0, 0, 0), Rgb(1, 0, 0)};
constexpr Colour kBoxOutline[] = {Rgb(0, 0, 200), Rgb(0, 0, 201)};
constexpr Colour kSelectionOutline[] = {Rgb(200, 0, 0), Rgb(201, 0, 0)};
constexpr int kSelectionWidth = 3;
constexpr std::array<int, 4> kOutlinePattern{100, 100, 100, 100};

constexpr const char* kSmallDigitLines[] = {" 1  2  3", " 4  5  6", " 7  8  9"};
constexpr int kSmallDigitsLeft = 10;
constexpr int kSmallDigitsTop = 2;
constexpr int kSmallDigitsLineStep = 15;

// One path around `rect`, on its right and bottom coordinates.
void DrawOutline(CPatternPen& pen, const Rect& rect)
{
    pen.MoveTo(rect.left, rect.top);
    pen.LineTo(rect.right, rect.top);
    pen.LineTo(rect.right, rect.bottom);
    pen.LineTo(rect.left, rect.bottom);
    pen.LineTo(rect.left, rect.top);
}

void DrawCellText(DeviceContext& dc, const CCell& cell)
{
    Rect rect = cell.GetRect();
    dc.SetTextColor(kDigitText);
    const CFont* previousFont = dc.SelectFont(&g_bigFont);
    dc.SetBkColor(cell.m_given ? kGivenFill : kBackground);
    dc.SetBkMode(BackgroundMode::Opaque);
    rect.Offset(rect.Width() / 3 + 5, rect.Height() / 3);
    dc.DrawText(cell.m_text, rect);
    dc.SelectFont(previousFont);
}

void DrawSmallDigits(DeviceContext& dc, const CCell& cell)
{
    Rect rect = cell.GetRect();
    dc.SetTextColor(kSmallDigitText);
    const CFont* previousFont = dc.SelectFont(&g_smallFont);
    dc.SetBkColor(kBackground);
    dc.SetBkMode(BackgroundMode::Opaque);
    rect.Offset(kSmallDigitsLeft, kSmallDigitsTop);
    for (int line = 0; line < 3; ++line) {
        if (line > 0)
            rect.Offset(0, kSmallDigitsLineStep);
        dc.DrawText(kSmallDigitLines[line], rect);
    }
    dc.SelectFont(previousFont);
}

}  // namespace

void CBoardWnd::RenderBoard()
{
    if (m_picture.isNull())
        return;
    QImageDC dc(m_picture, m_textLayouts);
    RenderBoard(dc);
    ++m_renderCount;
}

void CBoardWnd::RenderBoard(DeviceContext& dc)
{
    dc.FillSolidRect(Rect{0, 0, m_picture.width(), m_picture.height()}, kBackground);

    for (const std::unique_ptr<CCell>& cell : m_cells) {
        if (cell->m_given)
            dc.FillSolidRect(cell->GetRect(), kGivenFill);
        CPatternPen pen(&dc, kCellOutline[0], kCellOutline[1], 1, kOutlinePattern);
        DrawOutline(pen, cell->GetRect());
        if (!cell->m_text.empty())
            DrawCellText(dc, *cell);
        else if (m_showSmall)
            DrawSmallDigits(dc, *cell);
    }

    {
        // Inside their rectangles, over the cell outlines.
        CPatternPen pen(&dc, kBoxOutline[0], kBoxOutline[1], 1, kOutlinePattern);
        for (const Rect& box : m_boxRects)
            DrawOutline(pen, Rect{box.left, box.top, box.right - 1, box.bottom - 1});
    }

    if (const CCell* selected = GetSelectedCell()) {
        CPatternPen pen(&dc, kSelectionOutline[0], kSelectionOutline[1], kSelectionWidth,
                        kOutlinePattern);
        DrawOutline(pen, selected->GetRect());
    }
}
