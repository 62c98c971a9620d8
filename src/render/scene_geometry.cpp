#include "render/scene_geometry.hpp"

#include <limits>

#include "model/extended_math.hpp"

namespace mr {

namespace {

// div of the layout: integer division truncating toward zero, which C++'s / is.
std::int32_t HalfOf(std::int64_t value) {
    return Wrap32(value / 2);
}

}  // namespace

SceneGeometry ComputeSceneGeometry(std::int32_t width, std::int32_t height, std::int32_t dpi) {
    SceneGeometry geometry;
    geometry.Dpi = dpi;
    geometry.Side = width <= height ? width : height;
    const std::int64_t side = geometry.Side;
    geometry.OffsetX = HalfOf(std::int64_t{width} - side);
    geometry.OffsetY = HalfOf(std::int64_t{height} - side);
    geometry.RingRadius = HalfOf(side - 2 * std::int64_t{geometry.Scaled(kRingCentreOffset)});
    geometry.BadgeRadius = HalfOf(side - 2 * std::int64_t{geometry.Scaled(kBadgeCentreOffset)});
    geometry.LabelRadius = HalfOf(side - 2 * std::int64_t{geometry.Scaled(kLabelCentreOffset)});
    return geometry;
}

Point RingCentre(const SceneGeometry& geometry, std::int32_t radius, std::int32_t centreOffset) {
    const std::int64_t fromOrigin = std::int64_t{radius} + geometry.Scaled(centreOffset);
    return Point{Wrap32(fromOrigin + geometry.OffsetX), Wrap32(fromOrigin + geometry.OffsetY)};
}

Point PointOnRing(Point centre, std::int32_t radius, std::int64_t k, std::int32_t n) {
    const ExtendedPrecisionScope precision;
    const long double angle = static_cast<long double>(2 * k) * kPi / n + kMinusHalfPi;
    return Point{Wrap32(centre.x + std::int64_t{TruncateToInt32(ExtSin(angle) * radius)}),
                 Wrap32(centre.y + std::int64_t{TruncateToInt32(ExtCos(angle) * radius)})};
}

std::int32_t TruncateToInt32(long double value) {
    if (value != value) {
        return 0;
    }
    if (value >= 2147483648.0L) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= -2147483649.0L) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace mr
