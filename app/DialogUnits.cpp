// Dialog units to pixels.
#include "DialogUnits.h"

namespace {

int Scale(int units, int numerator, int denominator)
{
    // Rounds half away from zero, as MulDiv does in the platform's dialog-unit conversion.
    const int scaled = units * numerator;
    return scaled >= 0 ? (scaled + denominator / 2) / denominator : -((-scaled + denominator / 2) / denominator);
}

int PixelsX(int units) { return Scale(units, 6, 4); }
int PixelsY(int units) { return Scale(units, 13, 8); }

}  // namespace

QRect DialogUnitsToPixels(int x, int y, int width, int height)
{
    const int left = PixelsX(x);
    const int top = PixelsY(y);
    return QRect(left, top, PixelsX(x + width) - left, PixelsY(y + height) - top);
}

QFont DialogFont(QFont base)
{
    base.setPixelSize(11);
    return base;
}
