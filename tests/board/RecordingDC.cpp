// RecordingDC: the log format and the pen bookkeeping.
#include "RecordingDC.h"

#include "CFont.h"

#include <cstdio>

namespace {

std::string Hex(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string Coordinates(const Rect& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

}  // namespace

std::string RecordingDC::Name(PenHandle pen)
{
    const int id = static_cast<int>(pen);
    if (id == 0)
        return "stock";
    char name[16];
    std::snprintf(name, sizeof name, "P%d", id);
    return name;
}

PenHandle RecordingDC::CreatePen(Colour colour, int width)
{
    const int id = ++m_created;
    m_live.insert(id);
    m_log.push_back("create " + Name(PenHandle(id)) + " " + Hex(colour) + " w" + std::to_string(width));
    return PenHandle(id);
}

void RecordingDC::DeletePen(PenHandle pen)
{
    m_log.push_back("delete " + Name(pen));
    if (pen == m_selected)
        m_faults.push_back("deleted the selected pen " + Name(pen));
    else if (m_live.erase(static_cast<int>(pen)) == 0)
        m_faults.push_back("deleted an unknown pen " + Name(pen));
}

PenHandle RecordingDC::SelectPen(PenHandle pen)
{
    m_log.push_back("select " + Name(pen));
    if (pen != PenHandle::Stock && !m_live.contains(static_cast<int>(pen)))
        m_faults.push_back("selected an unknown pen " + Name(pen));
    const PenHandle previous = m_selected;
    m_selected = pen;
    return previous;
}

const CFont* RecordingDC::SelectFont(const CFont* font)
{
    m_log.push_back(font == nullptr ? std::string("font none")
                                    : "font " + font->FaceName() + " " + std::to_string(font->TenthsOfPoint()));
    const CFont* previous = m_font;
    m_font = font;
    return previous;
}

void RecordingDC::MoveTo(int x, int y)
{
    m_log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
}

void RecordingDC::LineTo(int x, int y)
{
    m_log.push_back("line " + std::to_string(x) + "," + std::to_string(y));
}

void RecordingDC::FillSolidRect(const Rect& rect, Colour colour)
{
    m_log.push_back("fill " + Coordinates(rect) + " " + Hex(colour));
}

void RecordingDC::SetTextColor(Colour colour)
{
    m_log.push_back("textcolor " + Hex(colour));
}

void RecordingDC::SetBkColor(Colour colour)
{
    m_log.push_back("bkcolor " + Hex(colour));
}

void RecordingDC::SetBkMode(BackgroundMode mode)
{
    m_log.push_back(mode == BackgroundMode::Opaque ? "bkmode opaque" : "bkmode transparent");
}

void RecordingDC::DrawText(std::string_view text, const Rect& rect)
{
    m_log.push_back("text '" + std::string(text) + "' " + Coordinates(rect));
}
