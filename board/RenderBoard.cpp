// RenderBoard: the whole board drawn from the cells, the boxes and the selection.
#include "CBoardWnd.h"

#include "BoardFonts.h"
#include "CPatternPen.h"
#include "QImageDC.h"

#include <algorithm>
#include <array>
#include <optional>

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

// Where each small digit lies in its line, measured once per drawing and only when some
// digit is crossed out, so a board without marks makes exactly the calls it always made.
class SmallDigitPlaces {
public:
    // Digit 1-9's place relative to the start of its line, from the blank before it to the
    // blank after it and as high as the line's text box. The small font must be selected.
    const Rect& Of(DeviceContext& dc, int digit)
    {
        if (!m_places)
            m_places = Measure(dc);
        return (*m_places)[static_cast<size_t>(digit - 1)];
    }

private:
    static std::array<Rect, 9> Measure(DeviceContext& dc)
    {
        std::array<Rect, 9> places;
        for (int line = 0; line < 3; ++line) {
            const std::string_view text = kSmallDigitLines[line];
            for (int column = 0; column < 3; ++column) {
                // Digit `column` of a line is character 3 * column + 1.
                const size_t from = static_cast<size_t>(3 * column);
                const size_t to = std::min(from + 3, text.size());
                const TextExtent before = dc.GetTextExtent(text.substr(0, from));
                const TextExtent through = dc.GetTextExtent(text.substr(0, to));
                places[static_cast<size_t>(3 * line + column)] = Rect{before.width, 0, through.width, through.height};
            }
        }
        return places;
    }

    std::optional<std::array<Rect, 9>> m_places;
};

Rect Intersection(const Rect& a, const Rect& b)
{
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// The three lines of small digits; a crossed-out digit's place is left white.
void DrawSmallDigits(DeviceContext& dc, const CCell& cell, SmallDigitMarks::DigitSet crossedOut,
                     SmallDigitPlaces& places)
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
        for (int digit = 3 * line + 1; digit <= 3 * line + 3; ++digit) {
            if ((crossedOut >> (digit - 1) & 1) == 0)
                continue;
            Rect place = places.Of(dc, digit);
            place.Offset(rect.left, rect.top);
            dc.FillSolidRect(Intersection(place, rect), kBackground);  // clipped as the text is
        }
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

    SmallDigitPlaces smallDigitPlaces;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const CCell* cell = m_cells[i].get();
        if (cell->m_given)
            dc.FillSolidRect(cell->GetRect(), kGivenFill);
        CPatternPen pen(&dc, kCellOutline[0], kCellOutline[1], 1, kOutlinePattern);
        DrawOutline(pen, cell->GetRect());
        if (!cell->m_text.empty())
            DrawCellText(dc, *cell);
        else if (m_showSmall)
            DrawSmallDigits(dc, *cell, m_marks.CrossedOut(static_cast<int>(i)), smallDigitPlaces);
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
