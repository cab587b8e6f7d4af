// The DeviceContext that paints a QImage: pixel-exact, no antialiasing, GDI's line rules.
#pragma once

#include "DeviceContext.h"
#include "TextLayoutCache.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <unordered_map>

class QImageDC final : public DeviceContext {
public:
    // Paints `image` until destroyed; the image and the cache must outlive this.
    QImageDC(QImage& image, TextLayoutCache& layouts);
    ~QImageDC() override;
    QImageDC(const QImageDC&) = delete;
    QImageDC& operator=(const QImageDC&) = delete;

    PenHandle CreatePen(Colour colour, int width) override;
    void DeletePen(PenHandle pen) override;
    PenHandle SelectPen(PenHandle pen) override;
    const CFont* SelectFont(const CFont* font) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

    void FillSolidRect(const Rect& rect, Colour colour) override;

    void SetTextColor(Colour colour) override;
    void SetBkColor(Colour colour) override;
    void SetBkMode(BackgroundMode mode) override;
    void DrawText(std::string_view text, const Rect& rect) override;
    TextExtent GetTextExtent(std::string_view text) override;

    // From the primary screen's physical resolution (the image's own without a screen).
    int VertSizeMillimetres() const override;
    int VertResPixels() const override;

private:
    struct Pen {
        QColor colour;
        int width = 1;
    };
    const Pen& SelectedPen() const;
    // A line from the current position to (x, y), which differs from it.
    void StrokeFromCurrent(const Pen& pen, int x, int y);

    QImage& m_image;
    TextLayoutCache& m_layouts;
    QPainter m_painter;
    std::unordered_map<int, Pen> m_pens;
    int m_nextPen = 1;
    PenHandle m_selectedPen = PenHandle::Stock;
    const CFont* m_selectedFont = nullptr;
    int m_x = 0;
    int m_y = 0;
    QColor m_textColour = Qt::black;
    QColor m_bkColour = Qt::white;
    BackgroundMode m_bkMode = BackgroundMode::Opaque;
};
