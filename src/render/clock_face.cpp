#include "render/clock_face.hpp"

#include <algorithm>

#include "model/extended_math.hpp"

namespace mr {

namespace {

constexpr std::int64_t kDotRadius = 3;
constexpr std::int64_t kTipRadius = 5;
constexpr long double kMinutesPerDay = 1440;

// The moment's minute of the day; an impossible reading is kept within the day.
std::int32_t MinuteOfDay(const LocalMoment& moment) {
    return std::clamp(moment.hour, 0, 23) * 60 + std::clamp(moment.minute, 0, 59);
}

void DrawDisc(PaintContext& context, Point centre, std::int64_t radius) {
    context.surface.Ellipse(Wrap32(centre.x - radius), Wrap32(centre.y - radius),
                            Wrap32(centre.x + radius), Wrap32(centre.y + radius));
}

}  // namespace

Point HourPoint(Point centre, std::int32_t radius, std::int32_t i) {
    const ExtendedPrecisionScope precision;
    const long double angle =
        static_cast<long double>(2 * std::int64_t{i}) * kPi / 24 + kMinusHalfPi;
    return Point{Wrap32(centre.x + std::int64_t{TruncateToInt32(ExtSin(angle) * radius)}),
                 Wrap32(centre.y + std::int64_t{TruncateToInt32(ExtCos(angle) * radius)})};
}

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

std::u16string HourLabelText(std::int32_t i) {
    // Positions 1 to 24 give 23 down to 0; any other position still gives two digits.
    const auto hour = static_cast<int>(((std::int64_t{kHourCount} - i) % 100 + 100) % 100);
    std::u16string text;
    text.push_back(static_cast<char16_t>(u'0' + hour / 10));
    text.push_back(static_cast<char16_t>(u'0' + hour % 10));
    return text;
}

void DrawHourDots(PaintContext& context) {
    const std::int32_t r = context.geometry.RingRadius;
    const Point centre = RingCentre(context.geometry, r, kRingCentreOffset);
    for (std::int32_t i = 1; i <= kHourCount; ++i) {
        DrawDisc(context, HourPoint(centre, r, i), kDotRadius);
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
        const Point point = HourPoint(centre, radius, i);
        const std::u16string text = HourLabelText(i);
        const TextExtent extent = MeasureText(context, text);
        context.surface.WriteText(Wrap32(point.x - std::int64_t{extent.cx / 2}),
                                  Wrap32(point.y - std::int64_t{extent.cy / 2}), text);
    }
}

}  // namespace mr
