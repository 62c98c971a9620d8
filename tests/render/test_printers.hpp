// Readable failure messages for the dial's values in the tests.
#pragma once

#include <ostream>

#include "render/rgb_colour.hpp"
#include "render/scene_geometry.hpp"

namespace mr {

inline void PrintTo(Point point, std::ostream* out) {
    *out << "(" << point.x << ", " << point.y << ")";
}

inline void PrintTo(RgbColour colour, std::ostream* out) {
    *out << "rgb(" << int{colour.red} << ", " << int{colour.green} << ", " << int{colour.blue}
         << ")";
}

}  // namespace mr
