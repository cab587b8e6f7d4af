// QImageDC: GDI's drawing rules (end point left out of lines, opaque text boxes) on QPainter.
#include "QImageDC.h"

#include "CFont.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// The pixels a wide pen covers along an axis: a square of `width` around every point of the
// line, both ends included, as GDI's wide pens cover their end caps.
QRect WideAxisLine(int x0, int y0, int x1, int y1, int width)
{
    const int before = width / 2;
    const int left = std::min(x0, x1) - before;
    const int top = std::min(y0, y1) - before;
    return QRect(left, top, std::abs(x1 - x0) + width, std::abs(y1 - y0) + width);
}

// The pixels of a 1-pixel line along an axis, from (x0, y0) up to, not including, (x1, y1).
QRect ThinAxisLine(int x0, int y0, int x1, int y1)
{
    if (y0 == y1) {
        const int left = x1 > x0 ? x0 : x1 + 1;
        return QRect(left, y0, std::abs(x1 - x0), 1);
    }
    const int top = y1 > y0 ? y0 : y1 + 1;
    return QRect(x0, top, 1, std::abs(y1 - y0));
}

}  // namespace

QImageDC::QImageDC(QImage& image, TextLayoutCache& layouts)
    : m_image(image), m_layouts(layouts), m_painter(&image)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

QImageDC::~QImageDC() = default;

PenHandle QImageDC::CreatePen(Colour colour, int width)
{
    const int id = m_nextPen++;
    m_pens.emplace(id, Pen{ToQColor(colour), std::max(width, 1)});
    return static_cast<PenHandle>(id);
}

void QImageDC::DeletePen(PenHandle pen)
{
    // As GDI refuses to delete a selected pen, so do we: the pen stays usable.
    if (pen == m_selectedPen)
        return;
    m_pens.erase(static_cast<int>(pen));
}

PenHandle QImageDC::SelectPen(PenHandle pen)
{
    const PenHandle previous = m_selectedPen;
    if (pen == PenHandle::Stock || m_pens.contains(static_cast<int>(pen)))
        m_selectedPen = pen;
    return previous;
}

const QImageDC::Pen& QImageDC::SelectedPen() const
{
    static const Pen stock{Qt::black, 1};
    const auto found = m_pens.find(static_cast<int>(m_selectedPen));
    return found == m_pens.end() ? stock : found->second;
}

const CFont* QImageDC::SelectFont(const CFont* font)
{
    const CFont* previous = m_selectedFont;
    m_selectedFont = font;
    m_painter.setFont(font != nullptr && font->IsCreated() ? font->QtFont() : QFont());
    return previous;
}

void QImageDC::MoveTo(int x, int y)
{
    m_x = x;
    m_y = y;
}

void QImageDC::LineTo(int x, int y)
{
    if (x != m_x || y != m_y)
        StrokeFromCurrent(SelectedPen(), x, y);
    m_x = x;
    m_y = y;
}

void QImageDC::StrokeFromCurrent(const Pen& pen, int x, int y)
{
    const bool alongAxis = x == m_x || y == m_y;
    if (alongAxis && pen.width == 1) {
        m_painter.fillRect(ThinAxisLine(m_x, m_y, x, y), pen.colour);
    } else if (alongAxis) {
        m_painter.fillRect(WideAxisLine(m_x, m_y, x, y, pen.width), pen.colour);
    } else if (pen.width == 1) {
        // Qt's cosmetic flat-capped lines leave out the last pixel, as GDI's do.
        QPen thin(pen.colour, 0, Qt::SolidLine, Qt::FlatCap);
        thin.setCosmetic(true);
        m_painter.setPen(thin);
        m_painter.drawLine(m_x, m_y, x, y);
    } else {
        m_painter.setPen(QPen(pen.colour, pen.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        m_painter.drawLine(m_x, m_y, x, y);
    }
}

void QImageDC::FillSolidRect(const Rect& rect, Colour colour)
{
    m_painter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
}

void QImageDC::SetTextColor(Colour colour)
{
    m_textColour = ToQColor(colour);
}

void QImageDC::SetBkColor(Colour colour)
{
    m_bkColour = ToQColor(colour);
}

void QImageDC::SetBkMode(BackgroundMode mode)
{
    m_bkMode = mode;
}

void QImageDC::DrawText(std::string_view text, const Rect& rect)
{
    const QRect clip(rect.left, rect.top, rect.Width(), rect.Height());
    m_painter.setPen(m_textColour);
    int top = rect.top;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const TextLayoutCache::Line& line = m_layouts.Find(m_selectedFont, m_painter.font(), m_image.logicalDpiY(),
                                                           text.substr(start, end - start));
        const QRect box(rect.left, top, line.width, line.height);
        // Clipping costs as much as the text itself; most boxes lie inside their rectangle.
        const bool clipped = !clip.contains(box);
        if (clipped)
            m_painter.setClipRect(clip);
        if (m_bkMode == BackgroundMode::Opaque)
            m_painter.fillRect(box.intersected(clip), m_bkColour);
        m_painter.drawStaticText(box.topLeft(), line.text);
        if (clipped)
            m_painter.setClipping(false);
        top += line.height;
        start = end + 1;
    }
}

TextExtent QImageDC::GetTextExtent(std::string_view text)
{
    const TextLayoutCache::Line& line = m_layouts.Find(m_selectedFont, m_painter.font(), m_image.logicalDpiY(), text);
    return {line.width, line.height};
}

int QImageDC::VertSizeMillimetres() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch =
        screen != nullptr ? screen->physicalDotsPerInchY() : m_image.dotsPerMeterY() * 0.0254;
    if (!(dotsPerInch > 0))
        return 0;
    return static_cast<int>(std::lround(m_image.height() * 25.4 / dotsPerInch));
}

int QImageDC::VertResPixels() const
{
    return m_image.height();
}
