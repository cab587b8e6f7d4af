// RenderBoard: the whole board drawn from the game, the cells, the boxes and the selection.
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

// `digit` 1-9.
void DrawCellText(DeviceContext& dc, Rect rect, int digit, bool given)
{
    dc.SetTextColor(kDigitText);
    const CFont* previousFont = dc.SelectFont(&g_bigFont);
    dc.SetBkColor(given ? kGivenFill : kBackground);
    dc.SetBkMode(BackgroundMode::Opaque);
    rect.Offset(rect.Width() / 3 + 5, rect.Height() / 3);
    const char text = static_cast<char>('0' + digit);
    dc.DrawText(std::string_view(&text, 1), rect);
    dc.SelectFont(previousFont);
}

// Where the small digits lie in their lines, measured once per drawing and only when some
// digit is crossed out, so a board without marks makes exactly the calls it always made.
class SmallDigitPlaces {
public:
    // The place of digits `first` to `last` (1-9, one line) relative to the start of their
    // line: from the blank before `first` to the blank after `last` (the line's end after its
    // last digit), as high as the line's text box. The small font must be selected. The
    // places of a line's three digits tile its text box.
    Rect Of(DeviceContext& dc, int first, int last)
    {
        if (!m_lines)
            m_lines = Measure(dc);
        const Line& line = (*m_lines)[static_cast<size_t>((first - 1) / 3)];
        return Rect{line.edges[static_cast<size_t>((first - 1) % 3)], 0,
                    line.edges[static_cast<size_t>((last - 1) % 3 + 1)], line.height};
    }

private:
    struct Line {
        std::array<int, 4> edges{};  // digit k of the line lies from edges[k] to edges[k + 1]
        int height = 0;
    };

    static std::array<Line, 3> Measure(DeviceContext& dc)
    {
        std::array<Line, 3> lines;
        for (size_t n = 0; n < lines.size(); ++n) {
            const std::string_view text = kSmallDigitLines[n];
            // Digit k is character 3k + 1, with a blank on either side but the last.
            for (size_t k = 1; k < 4; ++k) {
                const TextExtent extent = dc.GetTextExtent(text.substr(0, std::min(3 * k, text.size())));
                lines[n].edges[k] = extent.width;
                lines[n].height = extent.height;
            }
        }
        return lines;
    }

    std::optional<std::array<Line, 3>> m_lines;
};

Rect Intersection(const Rect& a, const Rect& b)
{
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// The three lines of small digits; a crossed-out digit's place is left white. Neighbours
// crossed out together are painted over at once, and a line with none left is not written.
void DrawSmallDigits(DeviceContext& dc, Rect rect, SmallDigitMarks::DigitSet crossedOut, SmallDigitPlaces& places)
{
    dc.SetTextColor(kSmallDigitText);
    const CFont* previousFont = dc.SelectFont(&g_smallFont);
    dc.SetBkColor(kBackground);
    dc.SetBkMode(BackgroundMode::Opaque);
    rect.Offset(kSmallDigitsLeft, kSmallDigitsTop);
    const auto isCrossedOut = [&](int digit) { return (crossedOut >> (digit - 1) & 1) != 0; };
    for (int line = 0; line < 3; ++line) {
        if (line > 0)
            rect.Offset(0, kSmallDigitsLineStep);
        const int firstDigit = 3 * line + 1;
        const int lastDigit = firstDigit + 2;
        if (!isCrossedOut(firstDigit) || !isCrossedOut(firstDigit + 1) || !isCrossedOut(lastDigit))
            dc.DrawText(kSmallDigitLines[line], rect);
        for (int digit = firstDigit; digit <= lastDigit; ++digit) {
            if (!isCrossedOut(digit))
                continue;
            int last = digit;
            while (last < lastDigit && isCrossedOut(last + 1))
                ++last;
            Rect place = places.Of(dc, digit, last);
            place.Offset(rect.left, rect.top);
            // Clipped as the text is: a whole line's place is exactly its opaque text box.
            dc.FillSolidRect(Intersection(place, rect), kBackground);
            digit = last;
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
        const int index = static_cast<int>(i);
        const Rect rect = m_cells[i]->GetRect();
        const bool given = m_game.IsGiven(index);
        if (given)
            dc.FillSolidRect(rect, kGivenFill);
        CPatternPen pen(&dc, kCellOutline[0], kCellOutline[1], 1, kOutlinePattern);
        DrawOutline(pen, rect);
        if (const int digit = m_game.Digits()[i]; digit != 0)
            DrawCellText(dc, rect, digit, given);
        else if (m_showSmall)
            DrawSmallDigits(dc, rect, m_game.Marks().CrossedOut(index), smallDigitPlaces);
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
