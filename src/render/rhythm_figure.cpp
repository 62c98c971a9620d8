#include "render/rhythm_figure.hpp"

#include <array>

#include "model/extended_math.hpp"

namespace mr {

namespace {

// The figure's constants, each 4.1, 0.005 and 2 pi rounded to a 64-bit significand.
constexpr long double kScaleDivisor = 4.1L;
constexpr long double kParameterStep = 0.005L;

// (12 - 2j) * pi / 7, held as a double: the direction of type j's curve.
double TypeAngle(MemoryType type) {
    const int multiple = 12 - 2 * static_cast<int>(Index(type));
    return static_cast<double>(static_cast<long double>(multiple) * kPi / 7);
}

// One point of the figure before truncation: the horizontal and vertical offsets u and v, which
// are subtracted from the ring's centre.
struct FigureOffset {
    double u = 0;
    double v = 0;
};

double NextParameter(double t) {
    return static_cast<double>(t + kParameterStep);
}

// (sin t + 1) * s, held as a double, once per step.
double Growth(double t, double scale) {
    return static_cast<double>((ExtSin(t) + 1) * scale);
}

// Sine and cosine of one argument in a single x87 instruction. fsincos gives bit for bit what
// fsin and fcos give (the figure's tests compare every point against those two, in both builds),
// at well under half the cost; the figure needs 8,799 of these pairs per paint.
struct SineCosine {
    long double sine;
    long double cosine;
};

SineCosine ExtSinCos(long double x) {
    SineCosine result{};
    __asm__("fsincos" : "=t"(result.cosine), "=u"(result.sine) : "0"(x));
    return result;
}

// Each value is rounded to a double exactly where the figure holds one: the sine and cosine, the
// day factor's product and the growth's product. Products taken in doubles instead would be
// rounded once rather than twice, and an occasional pixel would move.
FigureOffset OffsetOf(double angle, double t, double growth, double dayFactor) {
    const long double sum = static_cast<long double>(angle) + t;
    const SineCosine sc = ExtSinCos(sum);
    auto u = static_cast<double>(sc.sine);
    auto v = static_cast<double>(sc.cosine);
    const long double factor = dayFactor;
    u = static_cast<double>(u * factor);
    v = static_cast<double>(v * factor);
    u = static_cast<double>(u * static_cast<long double>(growth));
    v = static_cast<double>(v * static_cast<long double>(growth));
    return FigureOffset{u, v};
}

}  // namespace

double FigureScale(std::int32_t ringRadius) {
    const ExtendedPrecisionScope precision;
    return static_cast<double>(static_cast<long double>(ringRadius) / kScaleDivisor);
}

std::vector<FigurePixel> RhythmFigurePixels(const SceneGeometry& geometry,
                                            const DayFactorSet& dayFactors) {
    const ExtendedPrecisionScope precision;
    const std::int32_t r = geometry.RingRadius;
    const double scale = FigureScale(r);
    const Point centre = RingCentre(geometry, r, kRingCentreOffset);
    std::array<double, kMemoryTypeCount> angles{};
    for (const MemoryType type : kAllMemoryTypes) {
        angles[Index(type)] = TypeAngle(type);
    }
    std::vector<FigurePixel> pixels;
    pixels.reserve(kFigurePixels);
    for (double t = 0; kTwoPi >= t; t = NextParameter(t)) {
        const double growth = Growth(t, scale);
        for (const MemoryType type : kAllMemoryTypes) {
            const FigureOffset offset =
                OffsetOf(angles[Index(type)], t, growth, dayFactors[Index(type)]);
            const Point position{Wrap32(std::int64_t{centre.x} - TruncateToInt32(offset.u)),
                                 Wrap32(std::int64_t{centre.y} - TruncateToInt32(offset.v))};
            pixels.push_back(FigurePixel{position, type});
        }
    }
    return pixels;
}

// All points are worked out before the first pixel is written: alternating x87 work with the
// system's pixel calls costs more than the arithmetic itself (about 1 ms a paint under Wine).
// Above 100 % each point is a square of the scaled pixel's size, filled with a brush of its type's
// colour, so that the curves keep their weight instead of thinning into dots.
void DrawRhythmFigure(PaintContext& context) {
    const std::vector<FigurePixel> points =
        RhythmFigurePixels(context.geometry, context.snapshot.dayFactors);
    const std::int32_t size = context.geometry.Scaled(kFigurePointSize);
    if (size <= 1) {
        std::array<RgbColour, kMemoryTypeCount> colours{};
        for (const MemoryType type : kAllMemoryTypes) {
            colours[Index(type)] = TypeColour(type);
        }
        for (const FigurePixel& point : points) {
            context.surface.SetPixel(point.position.x, point.position.y,
                                     colours[Index(point.type)]);
        }
        return;
    }
    std::array<GdiHandle, kMemoryTypeCount> brushes{};
    for (const MemoryType type : kAllMemoryTypes) {
        brushes[Index(type)] = context.Own(context.surface.CreateSolidBrush(TypeColour(type)));
    }
    for (const FigurePixel& point : points) {
        const Point corner = point.position;
        context.surface.FillRectangle(corner.x, corner.y, Wrap32(std::int64_t{corner.x} + size),
                                      Wrap32(std::int64_t{corner.y} + size),
                                      brushes[Index(point.type)]);
    }
}

}  // namespace mr
