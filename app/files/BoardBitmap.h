// The board picture as an uncompressed 24-bit BMP file, built in memory.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// `pixels` holds width * height values 0xRRGGBB (any top byte is ignored), rows top-down.
// Returns the whole file: 54 header bytes, then the rows bottom-up, each padded to 4 bytes.
// Empty when the sizes are negative, do not match `pixels`, or would not fit a BMP file.
std::vector<std::uint8_t> EncodeBoardBitmap(int width, int height, std::span<const std::uint32_t> pixels);
