// The board tests' helpers: a board showing a game on a dialog as the main window makes it, a pixel
// count, and a device context that records its calls.
#pragma once

#include "CBoardWnd.h"
#include "CFont.h"
#include "GameStrings.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

// A dialog with a board over the frame's rectangle, shown for real mouse events.
struct BoardOnDialog {
    BoardOnDialog()
    {
        board = new CBoardWnd(&dialog, game);
        board->SizeToFrame(QRect(0, 0, 588, 442));
        board->CreateCells(Rect{0, 0, 588, 442});
        dialog.resize(600, 460);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    CCell& Cell(int index) { return *board->m_cells[static_cast<size_t>(index)]; }

    Game game;  // outlives the board
    QWidget dialog;
    CBoardWnd* board = nullptr;  // owned by the dialog
};

// How many pixels of `area` in `image` have `colour`.
inline int CountPixels(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

// A DeviceContext that writes every call into one log, entries joined by "; ", such as "create P1
// 000000 w1; select P1; move 1,2; line 3,4; fill 0,0,5,5 ffffff; opaque; text '5' 26,16,91,65".
// Pens are named P1, P2, ... as they are made; text is 7 pixels a character and 17 a line.
class RecordingDC final : public DeviceContext {
public:
    explicit RecordingDC(int millimetres = 203, int pixels = 768) : m_millimetres(millimetres), m_pixels(pixels) {}

    PenHandle CreatePen(Colour colour, int width) override
    {
        Add("create P" + std::to_string(++m_created) + " " + Hex(colour) + " w" + std::to_string(width));
        return PenHandle{m_created};
    }
    void DeletePen(PenHandle pen) override { Add("delete " + Name(pen)); }
    PenHandle SelectPen(PenHandle pen) override { Add("select " + Name(pen)); return std::exchange(m_pen, pen); }
    const CFont* SelectFont(const CFont* font) override
    {
        Add(font == nullptr ? "font none" : "font " + font->FaceName() + " " + std::to_string(font->TenthsOfPoint()));
        return std::exchange(m_font, font);
    }
    void MoveTo(int x, int y) override { Add("move " + Point(x, y)); }
    void LineTo(int x, int y) override { Add("line " + Point(x, y)); }
    void FillSolidRect(const Rect& r, Colour colour) override { Add("fill " + Text(r) + " " + Hex(colour)); }
    void SetTextColor(Colour colour) override { Add("textcolor " + Hex(colour)); }
    void SetBkColor(Colour colour) override { Add("bkcolor " + Hex(colour)); }
    void SetBkMode(BackgroundMode mode) override { Add(mode == BackgroundMode::Opaque ? "opaque" : "transparent"); }
    void DrawText(std::string_view text, const Rect& r) override { Add("text '" + std::string(text) + "' " + Text(r)); }
    TextExtent GetTextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 17}; }
    int VertSizeMillimetres() const override { return m_millimetres; }
    int VertResPixels() const override { return m_pixels; }

    std::string log;

private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string Text(const Rect& r) { return Point(r.left, r.top) + "," + Point(r.right, r.bottom); }
    static std::string Name(PenHandle p) { return p == PenHandle::Stock ? "stock" : "P" + std::to_string(int(p)); }
    static std::string Hex(Colour c)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%02x%02x%02x", c.red, c.green, c.blue);
        return text;
    }
    void Add(const std::string& entry) { log += (log.empty() ? "" : "; ") + entry; }

    int m_millimetres, m_pixels, m_created = 0;
    PenHandle m_pen = PenHandle::Stock;
    const CFont* m_font = nullptr;
};
