// The board's picture as the bytes of print.bmp.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

// The whole BMP file of `picture`, in any image format, as EncodeBoardBitmap writes it.
std::vector<std::uint8_t> EncodePictureBitmap(const QImage& picture);
