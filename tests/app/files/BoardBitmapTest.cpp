// The BMP file of the board: its two headers, row order, colour order and row padding.
#include "BoardBitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::uint32_t U16At(const std::vector<std::uint8_t>& bytes, size_t at)
{
    return bytes.at(at) | bytes.at(at + 1) << 8;
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, size_t at)
{
    return U16At(bytes, at) | U16At(bytes, at + 2) << 16;
}

// Reads the pixels back as 0xRRGGBB rows top-down, the way a picture viewer would.
std::vector<std::uint32_t> DecodePixels(const std::vector<std::uint8_t>& bytes)
{
    const auto width = static_cast<size_t>(U32At(bytes, 18));
    const auto height = static_cast<size_t>(U32At(bytes, 22));
    const size_t rowSize = (width * 3 + 3) / 4 * 4;
    std::vector<std::uint32_t> pixels(width * height);
    for (size_t row = 0; row < height; ++row) {
        const size_t start = U32At(bytes, 10) + (height - 1 - row) * rowSize;
        for (size_t x = 0; x < width; ++x) {
            const size_t at = start + x * 3;
            pixels[row * width + x] = bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16;
        }
    }
    return pixels;
}

TEST(BoardBitmapTest, BoardSizedPictureHasTheExactHeaders)
{
    const std::vector<std::uint32_t> pixels(588 * 442, 0xFFFFFF);
    const std::vector<std::uint8_t> bytes = EncodeBoardBitmap(588, 442, pixels);

    ASSERT_EQ(bytes.size(), 779742u);
    const std::vector<std::uint8_t> headers(bytes.begin(), bytes.begin() + 54);
    const std::vector<std::uint8_t> expected = {
        'B', 'M', 0xDE, 0xE5, 0x0B, 0x00, 0, 0, 0, 0, 54, 0, 0, 0,  // 779742 = 0x000BE5DE
        40, 0, 0, 0, 0x4C, 0x02, 0, 0, 0xBA, 0x01, 0, 0, 1, 0, 24, 0,  // 588 = 0x24C, 442 = 0x1BA
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(headers, expected);
}

TEST(BoardBitmapTest, OddWidthRowsArePaddedWithZerosAndCounted)
{
    // 3 pixels x 3 bytes = 9, padded to 12; two rows.
    const std::vector<std::uint32_t> pixels = {0x112233, 0x445566, 0x778899,
                                               0xAABBCC, 0xDDEEFF, 0x010203};
    const std::vector<std::uint8_t> bytes = EncodeBoardBitmap(3, 2, pixels);

    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(U32At(bytes, 2), 78u);
    EXPECT_EQ(U32At(bytes, 18), 3u);
    EXPECT_EQ(U32At(bytes, 22), 2u);
    // The bottom row comes first, each pixel blue, green, red.
    const std::vector<std::uint8_t> rows(bytes.begin() + 54, bytes.end());
    const std::vector<std::uint8_t> expected = {0xCC, 0xBB, 0xAA, 0xFF, 0xEE, 0xDD, 0x03, 0x02, 0x01, 0, 0, 0,
                                                0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0x99, 0x88, 0x77, 0, 0, 0};
    EXPECT_EQ(rows, expected);
}

TEST(BoardBitmapTest, PixelsDecodeBackEqualForEveryPadding)
{
    for (int width = 1; width <= 5; ++width) {
        const int height = 3;
        std::vector<std::uint32_t> pixels;
        for (int i = 0; i < width * height; ++i)
            pixels.push_back(static_cast<std::uint32_t>(i * 0x0A0B0C + 0x102030) & 0xFFFFFF);
        const std::vector<std::uint8_t> bytes = EncodeBoardBitmap(width, height, pixels);

        const size_t rowSize = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + rowSize * height) << width;
        EXPECT_EQ(U32At(bytes, 2), bytes.size()) << width;
        EXPECT_EQ(DecodePixels(bytes), pixels) << width;
    }
}

TEST(BoardBitmapTest, TopByteOfAPixelIsIgnored)
{
    const std::vector<std::uint32_t> pixels = {0xFF123456};
    const std::vector<std::uint8_t> bytes = EncodeBoardBitmap(1, 1, pixels);
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(DecodePixels(bytes), std::vector<std::uint32_t>{0x123456});
    EXPECT_EQ(bytes[57], 0);
}

TEST(BoardBitmapTest, SizesThatDoNotMatchThePixelsGiveNoFile)
{
    const std::vector<std::uint32_t> pixels(6, 0);
    EXPECT_TRUE(EncodeBoardBitmap(3, 3, pixels).empty());
    EXPECT_TRUE(EncodeBoardBitmap(-3, -2, pixels).empty());
    EXPECT_TRUE(EncodeBoardBitmap(65536, 65536, {}).empty());
    EXPECT_EQ(EncodeBoardBitmap(2, 3, pixels).size(), 54u + 3 * 8);
}

}  // namespace
