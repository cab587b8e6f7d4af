// Converts the dialog-unit positions of the window layout into pixels.
#pragma once

#include <QFont>
#include <QRect>

// One horizontal unit is 6/4 px and one vertical unit 13/8 px, the base units of the
// layout's 8-point font; corners are converted and rounded, so widths follow from them.
QRect DialogUnitsToPixels(int x, int y, int width, int height);

// `base` at the pixel size the units are measured against (an 8-point font at 96 dpi).
QFont DialogFont(QFont base);
