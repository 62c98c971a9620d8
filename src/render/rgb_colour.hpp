// A 24-bit colour. Its own header, so that the drawing surface and the colour tables of the
// catalogue share the type without either one including the other.
#pragma once

#include <cstdint>

namespace mr {

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(RgbColour, RgbColour) = default;
};

}  // namespace mr
