#include "render/scene_geometry.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace mr {
namespace {

struct GeometryRow {
    std::int32_t width;
    std::int32_t height;
    SceneGeometry geometry;
    Point centre;  // the same for all three rings while the radii are not negative
};

constexpr GeometryRow kRows[] = {
    {1920, 1080, {1080, 420, 0, 310, 390, 325}, {960, 540}},
    {1080, 1920, {1080, 0, 420, 310, 390, 325}, {540, 960}},
    {1366, 768, {768, 299, 0, 154, 234, 169}, {683, 384}},
    {1280, 1024, {1024, 128, 0, 282, 362, 297}, {640, 512}},
    {800, 800, {800, 0, 0, 170, 250, 185}, {400, 400}},
    // Odd differences: div truncates, so the odd pixel goes to the right and bottom.
    {1001, 800, {800, 100, 0, 170, 250, 185}, {400 + 100, 400}},
    // 200 % and 150 %: the centre offsets scaled (215 at 150 % is 322.5, rounded up to 323).
    {3840, 2160, {2160, 840, 0, 620, 780, 650, 192}, {1920, 1080}},
    {2880, 1620, {1620, 630, 0, 465, 585, 487, 144}, {1440, 810}},
};

TEST(SceneGeometry, CommonWindows) {
    for (const GeometryRow& row : kRows) {
        SCOPED_TRACE(testing::Message() << row.width << "x" << row.height);
        const SceneGeometry g = ComputeSceneGeometry(row.width, row.height, row.geometry.Dpi);
        EXPECT_EQ(g, row.geometry);
        EXPECT_EQ(RingCentre(g, g.RingRadius, kRingCentreOffset), row.centre);
        EXPECT_EQ(RingCentre(g, g.BadgeRadius, kBadgeCentreOffset), row.centre);
        EXPECT_EQ(RingCentre(g, g.LabelRadius, kLabelCentreOffset), row.centre);
    }
}

TEST(SceneGeometry, LengthsScaleAsMulDivRoundsThem) {
    struct Row {
        std::int32_t length;
        std::int32_t dpi;
        std::int32_t scaled;
    } const rows[] = {
        // clang-format off
        // At 100 % every length is itself.
        {230, 96, 230}, {15, 96, 15}, {1, 96, 1},
        // Halves are rounded away from zero: 287.5, 22.5, 1.5, 402.5 and -22.5.
        {230, 120, 288}, {15, 144, 23}, {1, 144, 2}, {230, 168, 403}, {-15, 144, -23},
        // The rest to the nearest pixel: 18.75, 1.25, 5.25.
        {15, 120, 19}, {1, 120, 1}, {3, 168, 5},
        {48, 192, 96}, {1, 192, 2},
        // clang-format on
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ScaledLength(row.length, row.dpi), row.scaled) << row.length << " at " << row.dpi;
    }
}

TEST(SceneGeometry, NegativeRadiiAreUsedAsTheyAre) {
    const SceneGeometry preview = ComputeSceneGeometry(152, 112);
    EXPECT_EQ(preview, (SceneGeometry{112, 20, 0, -174, -94, -159}));
    EXPECT_EQ(RingCentre(preview, preview.RingRadius, kRingCentreOffset), (Point{76, 56}));
    EXPECT_EQ(RingCentre(preview, preview.BadgeRadius, kBadgeCentreOffset), (Point{76, 56}));
    EXPECT_EQ(RingCentre(preview, preview.LabelRadius, kLabelCentreOffset), (Point{76, 56}));

    // -349 div 2 is -174 (toward zero), not -175 (floor).
    const SceneGeometry odd = ComputeSceneGeometry(111, 200);
    EXPECT_EQ(odd.Side, 111);
    EXPECT_EQ(odd.RingRadius, -174);
    EXPECT_EQ(odd.BadgeRadius, -94);
    EXPECT_EQ(odd.LabelRadius, -159);
    EXPECT_EQ(odd.OffsetY, 44);
    EXPECT_EQ(RingCentre(odd, odd.RingRadius, kRingCentreOffset), (Point{56, 100}));
}

TEST(SceneGeometry, ExtremeSizesStayDefined) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const SceneGeometry zero = ComputeSceneGeometry(0, 0);
    EXPECT_EQ(zero, (SceneGeometry{0, 0, 0, -230, -150, -215}));
    const SceneGeometry wide = ComputeSceneGeometry(kMax, kMin);
    EXPECT_EQ(wide.Side, kMin);
    EXPECT_EQ(wide.OffsetX, kMax);  // (2^32 - 1) div 2
    EXPECT_EQ(wide.RingRadius, kMin / 2 - 230);
}

TEST(SceneGeometry, TruncationTowardZeroStaysInRange) {
    struct Row {
        long double value;
        std::int32_t expected;
    };
    const Row rows[] = {
        {2.99L, 2},
        {-2.99L, -2},
        {-0.5L, 0},
        {1e30L, std::numeric_limits<std::int32_t>::max()},
        {-1e30L, std::numeric_limits<std::int32_t>::min()},
        {std::numeric_limits<long double>::quiet_NaN(), 0},
        {-2147483648.5L, std::numeric_limits<std::int32_t>::min()},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TruncateToInt32(row.value), row.expected) << static_cast<double>(row.value);
    }
}

}  // namespace
}  // namespace mr
