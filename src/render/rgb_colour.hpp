// A 24-bit colour: what the drawing surface takes and the dial's colour tables hold.
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
