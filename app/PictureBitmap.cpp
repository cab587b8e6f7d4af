// The board's picture as the bytes of print.bmp.
#include "PictureBitmap.h"

#include "BoardBitmap.h"

#include <algorithm>

std::vector<std::uint8_t> EncodePictureBitmap(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    // Copied row by row: a QImage row may be longer than its pixels.
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        std::copy(row, row + width, pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    return EncodeBoardBitmap(width, height, pixels);
}
