// A colour as the board's drawing code names it: red, green and blue, 0-255 each.
#pragma once

#include <cstdint>

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour Rgb(int red, int green, int blue)
{
    return Colour{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                  static_cast<std::uint8_t>(blue)};
}
