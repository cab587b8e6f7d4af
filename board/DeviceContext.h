// The drawing operations the board needs, so rendering and the patterned pen never see a
// particular drawing surface: the picture paints through one implementation, tests record
// through another.
#pragma once

#include "Colour.h"
#include "Rect.h"

#include <string_view>

class CFont;

// A pen made by CreatePen. Stock is the device's own pen, selected until another is and
// never deleted.
enum class PenHandle : int { Stock = 0 };

enum class BackgroundMode { Transparent, Opaque };

struct TextExtent {
    int width = 0;   // advance of the text
    int height = 0;  // height of the font's line
};

class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    // Solid pens of `width` pixels. The creator deletes each pen it makes, and must not
    // delete the pen that is selected.
    virtual PenHandle CreatePen(Colour colour, int width) = 0;
    virtual void DeletePen(PenHandle pen) = 0;
    // Returns the pen that was selected before.
    virtual PenHandle SelectPen(PenHandle pen) = 0;
    // Returns the font that was selected before; null stands for the device's own font.
    virtual const CFont* SelectFont(const CFont* font) = 0;

    // LineTo draws from the current position up to, not including, (x, y) with the selected
    // pen, and makes (x, y) the current position.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;

    virtual void FillSolidRect(const Rect& rect, Colour colour) = 0;

    virtual void SetTextColor(Colour colour) = 0;
    virtual void SetBkColor(Colour colour) = 0;
    virtual void SetBkMode(BackgroundMode mode) = 0;
    // Draws `text` from the top-left corner of `rect`, clipped to it, in the selected font;
    // lines break only at '\n'. In opaque mode the text's own box is filled with the
    // background colour first.
    virtual void DrawText(std::string_view text, const Rect& rect) = 0;
    // The box that DrawText fills for `text` (no line break) in the selected font.
    virtual TextExtent GetTextExtent(std::string_view text) = 0;

    // The device's height in millimetres (0 when unknown) and in pixels.
    virtual int VertSizeMillimetres() const = 0;
    virtual int VertResPixels() const = 0;
};
