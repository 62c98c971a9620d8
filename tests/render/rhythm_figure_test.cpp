#include "render/rhythm_figure.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "model/extended_math.hpp"
#include "render/test_printers.hpp"

namespace mr {
namespace {

// Day factors chosen for the worked points: type 0 and 3 at 1.0 and type 6 at 1.5 for step 0;
// type 0 at 2.0 and type 6 at 1.0 for the later steps. The others play no part.
constexpr DayFactorSet kStartFactors = {1.0, 0.5, 0.5, 1.0, 0.5, 0.5, 1.5};
constexpr DayFactorSet kLaterFactors = {2.0, 0.5, 0.5, 0.5, 0.5, 0.5, 1.0};

// The figure's definition, worked out here with the x87 fsin and fcos: the drawing takes both from
// one fsincos, which must give the same bits. t is the loop's parameter, s the figure's scale.
struct Offset {
    double u;
    double v;
};

Offset DefinedOffset(double s, double t, std::size_t type, double dayFactor) {
    const ExtendedPrecisionScope precision;
    const auto growth = static_cast<double>((ExtSin(t) + 1) * s);
    const auto phi =
        static_cast<double>(static_cast<long double>(12 - 2 * static_cast<int>(type)) * kPi / 7);
    auto u = static_cast<double>(ExtSin(static_cast<long double>(phi) + t));
    auto v = static_cast<double>(ExtCos(static_cast<long double>(phi) + t));
    u = static_cast<double>(static_cast<long double>(u) * dayFactor);
    v = static_cast<double>(static_cast<long double>(v) * dayFactor);
    u = static_cast<double>(static_cast<long double>(u) * growth);
    v = static_cast<double>(static_cast<long double>(v) * growth);
    return Offset{u, v};
}

// t after the given number of additions of 0.005, each rounded to a double.
double NextParameter(double t) {
    const ExtendedPrecisionScope precision;
    return static_cast<double>(t + 0.005L);
}

struct WorkedPoint {
    std::int32_t width;
    std::int32_t height;
    const DayFactorSet* factors;
    std::size_t step;
    MemoryType type;
    double u;
    double v;
    double tolerance;  // the table gives u and v to two decimals, or two significant digits
    Point pixel;
};

const WorkedPoint kWorkedPoints[] = {
    {1920, 1080, &kStartFactors, 0, MemoryType::WorldOutlooking, 0, 113.41, 0.005, {960, 427}},
    {1920, 1080, &kStartFactors, 0, MemoryType::Motorical, -59.11, 47.14, 0.005, {1019, 493}},
    {1920, 1080, &kStartFactors, 0, MemoryType::Logical, 32.81, -68.12, 0.005, {928, 608}},
    {1920, 1080, &kLaterFactors, 314, MemoryType::WorldOutlooking, 151.22, 0.12, 0.005, {809, 540}},
    {1920, 1080, &kLaterFactors, 314, MemoryType::Motorical, 188.38, 236.61, 0.005, {772, 304}},
    {1920,
     1080,
     &kLaterFactors,
     942,
     MemoryType::WorldOutlooking,
     -2.2e-4,
     -5.2e-7,
     0.05e-4,
     {960, 540}},
    // The preview: r is negative, so the curves turn half a turn and leave the window.
    {152, 112, &kStartFactors, 0, MemoryType::WorldOutlooking, 0, -63.66, 0.005, {76, 119}},
    {152, 112, &kStartFactors, 0, MemoryType::Motorical, 33.18, -26.46, 0.005, {43, 82}},
};

TEST(RhythmFigure, WorkedPoints) {
    for (const WorkedPoint& point : kWorkedPoints) {
        SCOPED_TRACE(testing::Message() << point.width << "x" << point.height << " step "
                                        << point.step << " type " << Index(point.type));
        const SceneGeometry g = ComputeSceneGeometry(point.width, point.height);
        double t = 0;
        for (std::size_t step = 0; step < point.step; ++step) {
            t = NextParameter(t);
        }
        const Offset offset = DefinedOffset(FigureScale(g.RingRadius), t, Index(point.type),
                                            (*point.factors)[Index(point.type)]);
        EXPECT_NEAR(offset.u, point.u, point.tolerance);
        // Step 942's v is a rounding residue: only its size and sign are stated.
        const double vTolerance = point.step == 942 ? 0.05e-7 : point.tolerance;
        EXPECT_NEAR(offset.v, point.v, vTolerance);

        const std::vector<FigurePixel> pixels = RhythmFigurePixels(g, *point.factors);
        ASSERT_EQ(pixels.size(), kFigurePixels);
        const FigurePixel& pixel = pixels[point.step * kMemoryTypeCount + Index(point.type)];
        EXPECT_EQ(pixel.type, point.type);
        EXPECT_EQ(pixel.position, point.pixel);
    }
}

TEST(RhythmFigure, Scale) {
    EXPECT_NEAR(FigureScale(310), 75.61, 0.005);
    EXPECT_NEAR(FigureScale(-174), -42.44, 0.005);
    // s is r / 4.1 divided in extended precision by the extended 4.1, then held as a double: for
    // most radii that is not the double division r / 4.1.
    std::size_t unlikeDouble = 0;
    for (const std::int32_t r : {310, 154, 282, 170, 370, 490, 850, -174, -175, 0, 1999}) {
        SCOPED_TRACE(r);
        const auto expected = static_cast<double>(static_cast<long double>(r) / 4.1L);
        EXPECT_EQ(FigureScale(r), expected);
        unlikeDouble += expected != r / 4.1 ? 1 : 0;
    }
    EXPECT_GT(unlikeDouble, 0u);
}

TEST(RhythmFigure, StepsPixelsAndOrder) {
    const SceneGeometry g = ComputeSceneGeometry(1920, 1080);
    const std::vector<FigurePixel> pixels = RhythmFigurePixels(g, kStartFactors);
    ASSERT_EQ(pixels.size(), 8799u);
    EXPECT_EQ(kFigureSteps, 1257u);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        ASSERT_EQ(Index(pixels[i].type), i % 7) << i;
    }
    // Every point lies within 4r / 4.1 of the centre, inside the ring.
    for (const FigurePixel& pixel : pixels) {
        const double dx = pixel.position.x - 960;
        const double dy = pixel.position.y - 540;
        ASSERT_LE(std::sqrt(dx * dx + dy * dy), 4 * 310 / 4.1 + 1.5);
    }
}

TEST(RhythmFigure, ZeroDayFactorCollapsesOntoTheCentre) {
    const DayFactorSet factors = {0.0, 2.0, 2.0, 2.0, 2.0, 2.0, 0.0};
    const std::vector<FigurePixel> pixels =
        RhythmFigurePixels(ComputeSceneGeometry(1920, 1080), factors);
    std::size_t onCentre = 0;
    for (const FigurePixel& pixel : pixels) {
        if (pixel.type == MemoryType::Motorical || pixel.type == MemoryType::WorldOutlooking) {
            ASSERT_EQ(pixel.position, (Point{960, 540}));
            ++onCentre;
        }
    }
    EXPECT_EQ(onCentre, 2 * kFigureSteps);
}

TEST(RhythmFigure, FarPointsPointWhereTheTypesPeak) {
    // At t = pi / 2 (step 314) a type's point is farthest out, in the direction (-cos phi, sin
    // phi): type 6 to the left, type 3 (phi = 6 pi / 7) to the right and slightly below.
    const DayFactorSet factors = {2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0};
    const std::vector<FigurePixel> pixels =
        RhythmFigurePixels(ComputeSceneGeometry(1920, 1080), factors);
    const Point world = pixels[314 * 7 + 6].position;
    EXPECT_EQ(world.y, 540);
    EXPECT_EQ(world.x, 960 - 302);  // 2 * 2 * 75.61, truncated
    const Point logical = pixels[314 * 7 + 3].position;
    EXPECT_GT(logical.x, 960 + 250);
    EXPECT_GT(logical.y, 540 + 50);
}

TEST(RhythmFigure, EveryPointAsDefined) {
    const DayFactorSet factors = {0.37, 1.99, 1.25, 0.5, 1.62, 0.78, 0.1};
    for (const std::int32_t side : {1080, 112, 768}) {
        SCOPED_TRACE(side);
        const SceneGeometry g = ComputeSceneGeometry(side + 100, side);
        const std::vector<FigurePixel> pixels = RhythmFigurePixels(g, factors);
        ASSERT_EQ(pixels.size(), kFigurePixels);
        const std::int32_t r = g.RingRadius;
        const auto s = static_cast<double>(static_cast<long double>(r) / 4.1L);
        double t = 0;
        for (std::size_t step = 0; step < kFigureSteps; ++step) {
            for (std::size_t j = 0; j < kMemoryTypeCount; ++j) {
                const Offset offset = DefinedOffset(s, t, j, factors[j]);
                const Point expected{r + 230 - static_cast<std::int32_t>(offset.u) + g.OffsetX,
                                     r + 230 - static_cast<std::int32_t>(offset.v) + g.OffsetY};
                ASSERT_EQ(pixels[step * kMemoryTypeCount + j].position, expected)
                    << "step " << step << " type " << j;
            }
            t = NextParameter(t);
        }
        EXPECT_LT(t - 0.005, static_cast<double>(kTwoPi));
        EXPECT_GT(static_cast<long double>(t), kTwoPi);
    }
}

}  // namespace
}  // namespace mr
