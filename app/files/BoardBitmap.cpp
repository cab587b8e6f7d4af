// Writing the 14-byte file header, the 40-byte information header and the pixel rows.
#include "BoardBitmap.h"

#include <limits>

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

std::vector<std::uint8_t> EncodeBoardBitmap(int width, int height, std::span<const std::uint32_t> pixels)
{
    if (width < 0 || height < 0 || pixels.size() != static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height))
        return {};
    const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
    const std::uint64_t fileSize = kHeadersSize + rowSize * static_cast<std::uint64_t>(height);
    if (fileSize > std::numeric_limits<std::uint32_t>::max())
        return {};

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<size_t>(fileSize));
    PutU16(out, 0x4D42);  // "BM"
    PutU32(out, static_cast<std::uint32_t>(fileSize));
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, kHeadersSize);

    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    PutU16(out, 1);
    PutU16(out, 24);
    for (int field = 0; field < 6; ++field)  // compression, image size, resolutions, colours
        PutU32(out, 0);

    const size_t padding = static_cast<size_t>(rowSize) - static_cast<size_t>(width) * 3;
    for (int row = height - 1; row >= 0; --row) {
        for (std::uint32_t rgb : pixels.subspan(static_cast<size_t>(row) * static_cast<size_t>(width), static_cast<size_t>(width))) {
            out.push_back(static_cast<std::uint8_t>(rgb));
            out.push_back(static_cast<std::uint8_t>(rgb >> 8));
            out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}
