// Lines of text laid out once per font and content, because shaping the same digits again
// on every redraw would cost more than all the rest of the drawing.
#pragma once

#include <QFont>
#include <QStaticText>

#include <string>
#include <string_view>
#include <unordered_map>

class CFont;

class TextLayoutCache {
public:
    struct Line {
        QStaticText text;  // drawn with its top-left corner at the line's position
        int width = 0;     // advance of the whole line
        int height = 0;    // ascent plus descent of the font
    };

    // `font` is the selected font (null: the device's own), which must not be re-created
    // while this cache lives (the digit fonts are made once per run); `painterFont` the font a painter
    // holds for it (QPainter::font()) at `dotsPerInch`; `line` has no line break.
    const Line& Find(const CFont* font, const QFont& painterFont, int dotsPerInch, std::string_view line);

private:
    int m_dotsPerInch = 0;
    std::unordered_map<const CFont*, std::unordered_map<std::string, Line>> m_lines;
};
