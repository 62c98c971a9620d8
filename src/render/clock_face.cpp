#include "render/clock_face.hpp"

#include <string>

#include "model/extended_math.hpp"
#include "model/rhythm_model.hpp"
#include "text/number_texts.hpp"

namespace mr {

namespace {

// At 96 DPI; the geometry scales them.
constexpr std::int32_t kDotRadius = 3;
constexpr std::int32_t kTipRadius = 5;

void DrawDisc(PaintContext& context, Point centre, std::int32_t designRadius) {
    const std::int64_t radius = context.geometry.Scaled(designRadius);
    context.surface.Ellipse(Wrap32(centre.x - radius), Wrap32(centre.y - radius),
                            Wrap32(centre.x + radius), Wrap32(centre.y + radius));
}

}  // namespace

Point HandTip(const SceneGeometry& geometry, std::int32_t minuteOfDay) {
    const ExtendedPrecisionScope precision;
    const long double angle =
        kMinusHalfPi - static_cast<long double>(minuteOfDay) * kTwoPi / kMinutesPerDay;
    const std::int32_t r = geometry.RingRadius;
    // Held as doubles before truncation, unlike the dots' products.
    const auto hx = static_cast<double>(ExtSin(angle) * r);
    const auto hy = static_cast<double>(ExtCos(angle) * r);
    const Point centre = RingCentre(geometry, r, kRingCentreOffset);
    return Point{Wrap32(std::int64_t{TruncateToInt32(hx)} + centre.x),
                 Wrap32(std::int64_t{TruncateToInt32(hy)} + centre.y)};
}

void DrawHourDots(PaintContext& context) {
    const std::int32_t r = context.geometry.RingRadius;
    const Point centre = RingCentre(context.geometry, r, kRingCentreOffset);
    for (std::int32_t i = 1; i <= kHourCount; ++i) {
        DrawDisc(context, PointOnRing(centre, r, i, kHourCount), kDotRadius);
    }
}

void DrawHand(PaintContext& context) {
    const Point tip = HandTip(context.geometry, MinuteOfDay(context.inputs.moment));
    UseSolidBrush(context, kGray);
    UseSolidPen(context, kGray);
    const Point centre =
        RingCentre(context.geometry, context.geometry.RingRadius, kRingCentreOffset);
    context.surface.MoveTo(centre.x, centre.y);
    context.surface.LineTo(tip.x, tip.y);
    DrawDisc(context, tip, kTipRadius);
}

void DrawHourLabels(PaintContext& context) {
    const std::int32_t radius = context.geometry.LabelRadius;
    const Point centre = RingCentre(context.geometry, radius, kLabelCentreOffset);
    context.surface.SetTextColour(kWhite);
    for (std::int32_t i = 1; i <= kHourCount; ++i) {
        const Point point = PointOnRing(centre, radius, i, kHourCount);
        const std::u16string text = HourLabel(kHourCount - i);
        const TextExtent extent = MeasureText(context, text);
        context.surface.WriteText(Wrap32(point.x - std::int64_t{extent.cx / 2}),
                                  Wrap32(point.y - std::int64_t{extent.cy / 2}), text);
    }
}

}  // namespace mr
