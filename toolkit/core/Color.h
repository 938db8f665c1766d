#pragma once

#include <cstdint>

namespace tk {

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color RGB(int r, int g, int b) {
    return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

// A colour written as &hRRGGBB.
constexpr Color colorFromHex(std::uint32_t rrggbb) {
    return RGB((rrggbb >> 16) & 0xff, (rrggbb >> 8) & 0xff, rrggbb & 0xff);
}

} // namespace tk
