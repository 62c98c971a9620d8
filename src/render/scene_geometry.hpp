// Where the dial lies in the window: the scene square and the three rings drawn around its centre.
#pragma once

#include <cstdint>

namespace mr {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend constexpr bool operator==(Point, Point) = default;
};

// The DPI at which every fixed length of the dial is given: 100 % display scale.
inline constexpr std::int32_t kDesignDpi = 96;

// A fixed length of the dial, given at 96 DPI, in device pixels at the given DPI:
// MulDiv(length, dpi, 96), rounded to the nearest pixel with halves away from zero, as MulDiv
// rounds. At 96 DPI every length is itself. Taken in 64 bits, so that no DPI can overflow it.
constexpr std::int32_t ScaledLength(std::int32_t length, std::int32_t dpi) {
    const std::int64_t product = std::int64_t{length} * dpi;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t rounded = (magnitude + kDesignDpi / 2) / kDesignDpi;
    return static_cast<std::int32_t>(product < 0 ? -rounded : rounded);
}

// The radii are (Side - 2 * centre offset) div 2 and are used as they are, negative included: a
// window smaller than the dial (the preview) turns the rings inside out instead of clamping them.
// The dial is drawn natively at the window's DPI: every fixed length of the scene (centre offsets,
// font heights, gaps, dot and picture sizes, pen widths) is asked for through Scaled, so that it
// keeps the size it has at 100 % on a screen of any scale. Window sizes and measured text extents
// are device pixels already.
struct SceneGeometry {
    std::int32_t Side = 0;
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    std::int32_t RingRadius = 0;
    std::int32_t BadgeRadius = 0;
    std::int32_t LabelRadius = 0;
    std::int32_t Dpi = kDesignDpi;

    // A fixed length of the scene, given at 96 DPI, at this scene's DPI.
    constexpr std::int32_t Scaled(std::int32_t length) const { return ScaledLength(length, Dpi); }

    friend constexpr bool operator==(const SceneGeometry&, const SceneGeometry&) = default;
};

// The rings' centre offsets at 96 DPI.
inline constexpr std::int32_t kRingCentreOffset = 230;
inline constexpr std::int32_t kBadgeCentreOffset = 150;
inline constexpr std::int32_t kLabelCentreOffset = 215;

SceneGeometry ComputeSceneGeometry(std::int32_t width, std::int32_t height,
                                   std::int32_t dpi = kDesignDpi);

// (radius + centre offset + OffsetX, radius + centre offset + OffsetY), computed from the ring's
// own radius and its centre offset at 96 DPI, scaled: with a negative radius the three centres are
// not forced together.
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
