// RecordingDC: the log format and the pen bookkeeping.
#include "RecordingDC.h"

#include "CFont.h"

#include <cstdio>
#include <utility>

std::string RecordingDC::Hex(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string RecordingDC::Text(const Rect& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

std::string RecordingDC::Name(PenHandle pen)
{
    return pen == PenHandle::Stock ? "stock" : "P" + std::to_string(static_cast<int>(pen));
}

PenHandle RecordingDC::CreatePen(Colour colour, int width)
{
    const PenHandle pen{++m_created};
    m_live.insert(pen);
    Add("create " + Name(pen) + " " + Hex(colour) + " w" + std::to_string(width));
    return pen;
}

void RecordingDC::DeletePen(PenHandle pen)
{
    Add("delete " + Name(pen));
    if (pen == m_selected)
        m_faults.push_back("deleted the selected pen " + Name(pen));
    else if (m_live.erase(pen) == 0)
        m_faults.push_back("deleted an unknown pen " + Name(pen));
}

PenHandle RecordingDC::SelectPen(PenHandle pen)
{
    Add("select " + Name(pen));
    if (pen != PenHandle::Stock && !m_live.contains(pen))
        m_faults.push_back("selected an unknown pen " + Name(pen));
    return std::exchange(m_selected, pen);
}

const CFont* RecordingDC::SelectFont(const CFont* font)
{
    Add(font == nullptr ? "font none" : "font " + font->FaceName() + " " + std::to_string(font->TenthsOfPoint()));
    return std::exchange(m_font, font);
}
