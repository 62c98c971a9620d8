// Where the dial lies in the window: the scene square and the three rings drawn around its centre.
#pragma once

#include <cstdint>

namespace mr {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend constexpr bool operator==(Point, Point) = default;
};

// The radii are (Side - 2 * centre offset) div 2 and are used as they are, negative included: a
// window smaller than the dial (the preview) turns the rings inside out instead of clamping them.
struct SceneGeometry {
    std::int32_t Side = 0;
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    std::int32_t RingRadius = 0;
    std::int32_t BadgeRadius = 0;
    std::int32_t LabelRadius = 0;

    friend constexpr bool operator==(const SceneGeometry&, const SceneGeometry&) = default;
};

inline constexpr std::int32_t kRingCentreOffset = 230;
inline constexpr std::int32_t kBadgeCentreOffset = 150;
inline constexpr std::int32_t kLabelCentreOffset = 215;

SceneGeometry ComputeSceneGeometry(std::int32_t width, std::int32_t height);

// (radius + centre offset + OffsetX, radius + centre offset + OffsetY), computed from the ring's
// own radius: with a negative radius the three centres are not forced together.
Point RingCentre(const SceneGeometry& geometry, std::int32_t radius, std::int32_t centreOffset);

// Position k of n spread evenly round a ring: angle 2k pi / n - pi / 2 in extended precision, x
// following the sine and y the cosine, so k = 0 lies left of the centre and a quarter turn on lies
// straight below. Each product with the radius is truncated as it is, not stored as a double
// first. The hour dots and labels and the badges all stand on such points.
Point PointOnRing(Point centre, std::int32_t radius, std::int64_t k, std::int32_t n);

// Layout sums are taken in 64 bits and wrap to 32 like device coordinates, so that no window size
// or measured extent can overflow.
constexpr std::int32_t Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

// Truncation toward zero of a real value; NaN gives 0 and values past the 32-bit range stop at its
// ends, so that a truncation never leaves the integer range.
std::int32_t TruncateToInt32(long double value);

}  // namespace mr
