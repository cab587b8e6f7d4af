// CPatternPen: an integer line walk that calls the device only where a segment ends.
#include "CPatternPen.h"

#include <cstdlib>

namespace {

// number * numerator / denominator without overflow, rounded half away from zero;
// denominator != 0.
int MulDivRounded(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    const long long divisor = std::llabs(static_cast<long long>(denominator));
    const long long magnitude = (std::llabs(product) + divisor / 2) / divisor;
    const bool negative = (product < 0) != (denominator < 0);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace

void ConvertPattern(const DeviceContext& dc, std::array<int, 4>& lengths)
{
    for (int& length : lengths) {
        const int millimetres = dc.VertSizeMillimetres();
        const int pixels = dc.VertResPixels();
        length = millimetres == 0 ? 0 : MulDivRounded(length, pixels, millimetres * 10);
    }
}

CPatternPen::CPatternPen(DeviceContext* dc, Colour first, Colour second, int width,
                         const std::array<int, 4>& pattern)
    : m_pDC(dc), m_pattern(pattern)
{
    ConvertPattern(*m_pDC, m_pattern);
    m_pens[0] = m_pDC->CreatePen(first, width);
    if (second != first)
        m_pens[1] = m_pDC->CreatePen(second, width);
    ReloadPattern();
    m_penBefore = m_pDC->SelectPen(*m_pens[0]);
}

CPatternPen::~CPatternPen()
{
    m_pDC->SelectPen(m_penBefore);
    for (const std::optional<PenHandle>& pen : m_pens) {
        if (pen)
            m_pDC->DeletePen(*pen);
    }
}

void CPatternPen::MoveTo(int x, int y)
{
    Reset();
    m_current = {x, y};
    m_pDC->MoveTo(x, y);
}

void CPatternPen::LineTo(int x, int y)
{
    if (m_pattern[0] == 0 && !m_pens[1]) {
        m_pDC->LineTo(x, y);
        m_current = {x, y};
    } else {
        StepTo(x, y);
    }
}

void CPatternPen::Reset()
{
    ReloadPattern();
    m_pDC->SelectPen(*m_pens[0]);
}

void CPatternPen::ReloadPattern()
{
    m_penIndex = 0;
    m_segment = 0;
    m_remaining = m_pattern;
}

void CPatternPen::StepTo(int x, int y)
{
    const int dx = x - m_current.x;
    const int dy = y - m_current.y;
    const bool xIsMajor = std::abs(dx) >= std::abs(dy);
    int& major = xIsMajor ? m_current.x : m_current.y;
    int& minor = xIsMajor ? m_current.y : m_current.x;
    const int majorDelta = xIsMajor ? dx : dy;
    const int minorDelta = xIsMajor ? dy : dx;
    const int steps = std::abs(majorDelta);
    const int minorSteps = std::abs(minorDelta);
    const int majorSign = majorDelta < 0 ? -1 : 1;
    const int minorSign = minorDelta < 0 ? -1 : 1;

    int error = steps;
    for (int i = 0; i < steps; ++i) {
        error -= minorSteps;
        if (error <= 0) {
            minor += minorSign;
            error += steps;
        }
        major += majorSign;
        // A segment of length 0 goes below zero here and lasts until the next MoveTo.
        if (--m_remaining[m_segment] != 0)
            continue;
        EndSegment();
        if (i == steps - 1)
            return;
    }
    if (m_pens[m_penIndex])
        m_pDC->LineTo(m_current.x, m_current.y);
}

void CPatternPen::EndSegment()
{
    m_segment = (m_segment + 1) % 4;
    if (m_segment == 0)
        m_remaining = m_pattern;
    if (m_pens[m_penIndex])
        m_pDC->LineTo(m_current.x, m_current.y);
    else
        m_pDC->MoveTo(m_current.x, m_current.y);
    m_penIndex = (m_penIndex + 1) % 2;
    if (m_pens[1])
        m_pDC->SelectPen(*m_pens[m_penIndex]);
}
