// Lines in a repeating pattern of four segments (two colours, or dashes and gaps), walked
// pixel by pixel so that the pattern runs on around the corners of a path.
#pragma once

#include "Colour.h"
#include "DeviceContext.h"

#include <array>
#include <optional>

// Converts four lengths in tenths of a millimetre into device pixels in place, rounding to
// the nearest pixel. A device that reports no height in millimetres gives lengths of 0.
void ConvertPattern(const DeviceContext& dc, std::array<int, 4>& lengths);

class CPatternPen {
public:
    // Segments 0 and 2 in `first`; 1 and 3 in `second`, or gaps when both colours are equal.
    // `pattern` is in tenths of a millimetre. Selects the first pen into `dc`, which must
    // outlive the pen.
    CPatternPen(DeviceContext* dc, Colour first, Colour second, int width,
                const std::array<int, 4>& pattern);
    // Puts back the pen that `dc` held before construction, then deletes both pens.
    ~CPatternPen();
    CPatternPen(const CPatternPen&) = delete;
    CPatternPen& operator=(const CPatternPen&) = delete;

    // Starts a path at (x, y) with the pattern from its beginning.
    void MoveTo(int x, int y);
    // Continues the path, and the pattern, to (x, y).
    void LineTo(int x, int y);

private:
    struct Point {
        int x = 0;
        int y = 0;
    };

    void Reset();
    void ReloadPattern();
    void StepTo(int x, int y);
    // The segment in progress ended at m_current: draw it (or skip the gap) and start the next.
    void EndSegment();

    DeviceContext* m_pDC;
    std::optional<PenHandle> m_pens[2];  // [1] is empty when both colours are equal
    int m_segment = 0;
    std::array<int, 4> m_remaining{};
    std::array<int, 4> m_pattern{};
    Point m_current;
    int m_penIndex = 0;  // always m_segment % 2
    PenHandle m_penBefore = PenHandle::Stock;
};
