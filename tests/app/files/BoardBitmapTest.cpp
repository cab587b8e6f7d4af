// The BMP file of the board: its two headers, row order, colour order and row padding.
#include "BoardBitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;

TEST(BoardBitmapTest, BoardSizedPictureHasTheExactHeaders)
{
    const Bytes bytes = EncodeBoardBitmap(588, 442, Pixels(588 * 442, 0xFFFFFF));
    ASSERT_EQ(bytes.size(), 779742u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 54),
              (Bytes{'B', 'M', 0xDE, 0xE5, 0x0B, 0x00, 0, 0, 0, 0, 54, 0, 0, 0,    // 779742 = 0x000BE5DE
                     40, 0, 0, 0, 0x4C, 0x02, 0, 0, 0xBA, 0x01, 0, 0, 1, 0, 24, 0,  // 588 = 0x24C, 442 = 0x1BA
                     0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// 3 pixels x 3 bytes = 9, padded with zeros to 12; the bottom row first, each pixel blue, green, red.
TEST(BoardBitmapTest, OddWidthRowsComeBottomUpInBgrAndArePadded)
{
    const Bytes bytes = EncodeBoardBitmap(3, 2, Pixels{0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0xFF010203});
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(Bytes(bytes.begin() + 54, bytes.end()),
              (Bytes{0xCC, 0xBB, 0xAA, 0xFF, 0xEE, 0xDD, 0x03, 0x02, 0x01, 0, 0, 0,
                     0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0x99, 0x88, 0x77, 0, 0, 0}));
}

TEST(BoardBitmapTest, SizesThatDoNotMatchThePixelsGiveNoFile)
{
    EXPECT_TRUE(EncodeBoardBitmap(3, 3, Pixels(6, 0)).empty());
    EXPECT_TRUE(EncodeBoardBitmap(65536, 65536, {}).empty());
}
