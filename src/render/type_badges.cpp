#include "render/type_badges.hpp"

#include <string>

#include "model/bands.hpp"
#include "text/catalogue.hpp"
#include "text/line_split.hpp"
#include "text/number_texts.hpp"

namespace mr {

namespace {

// Lengths at 96 DPI; the geometry scales them.
constexpr std::int32_t kPercentageHeight = 20;
constexpr std::int32_t kNameHeight = 24;
constexpr std::int32_t kDescriptionHeight = 14;
// The texts keep 6 pixels clear of the 48-pixel picture.
constexpr std::int32_t kTextGap = 30;
// The name's bottom stands this far above the badge centre.
constexpr std::int32_t kNameRise = 18;
// Line n's top is at y + (n + 1) * cy - 33: with 14-pixel lines the heading starts 19 pixels above
// the centre, near the top of the picture.
constexpr std::int32_t kDescriptionRise = 33;

// The left edge of a badge text of width cx by the side rule.
std::int32_t TextLeft(const PaintContext& context, std::int32_t centreX, bool leftSide,
                      std::int32_t width) {
    const std::int64_t gap = context.geometry.Scaled(kTextGap);
    return leftSide ? Wrap32(centreX - gap - width) : Wrap32(centreX + gap);
}

// At 100 % the 48-pixel picture is copied as it is. Above, the picture made at twice the
// resolution is drawn at the scaled size, so that it stays sharp; below, the small one is shrunk.
void DrawPicture(PaintContext& context, Activeness activeness, Point centre) {
    const Rating rating = RatingOf(activeness);
    const std::int32_t size = context.geometry.Scaled(kBadgePictureSize);
    const bool large = size > kBadgePictureSize;
    const std::int32_t sourceSize = large ? kLargeBadgePictureSize : kBadgePictureSize;
    const GdiHandle bitmap = context.Own(context.surface.LoadBitmapResource(
        large ? LargeRatingBitmapName(rating) : RatingBitmapName(rating)));
    // Without its picture the badge shows none: a copy now would repeat the previous badge's.
    if (bitmap == 0) {
        return;
    }
    context.SelectIntoMemoryDc(bitmap);
    const std::int64_t half = size / 2;
    const std::int32_t left = Wrap32(centre.x - half);
    const std::int32_t top = Wrap32(centre.y - half);
    if (size == sourceSize) {
        context.surface.CopyFromMemoryDc(left, top, size, size);
    } else {
        context.surface.StretchFromMemoryDc(left, top, size, size, sourceSize, sourceSize);
    }
}

void DrawPercentage(PaintContext& context, Activeness activeness, Point centre) {
    UseFontHeight(context, context.geometry.Scaled(kPercentageHeight));
    context.surface.SetTextColour(kBlack);
    const std::u16string text = PercentageText(activeness);
    const TextExtent extent = MeasureText(context, text);
    context.surface.WriteText(Wrap32(centre.x - std::int64_t{extent.cx / 2}),
                              Wrap32(centre.y - std::int64_t{extent.cy / 2}), text);
}

void DrawName(PaintContext& context, MemoryType type, Point centre, bool leftSide) {
    UseFontHeight(context, context.geometry.Scaled(kNameHeight));
    context.surface.SetTextColour(TypeColour(type));
    const std::u16string_view name = TypeName(context.inputs.language, type);
    const TextExtent extent = MeasureText(context, name);
    context.surface.WriteText(
        TextLeft(context, centre.x, leftSide, extent.cx),
        Wrap32(centre.y - std::int64_t{extent.cy} - context.geometry.Scaled(kNameRise)), name);
}

void DrawDescription(PaintContext& context, MemoryType type, Activeness activeness, Point centre,
                     bool leftSide) {
    UseFontHeight(context, context.geometry.Scaled(kDescriptionHeight));
    SplitIntoLines(TypeDescription(context.inputs.language, type, LevelBandOf(activeness)),
                   context.lines);
    const std::int64_t rise = context.geometry.Scaled(kDescriptionRise);
    std::int64_t row = 1;
    for (const std::u16string_view line : context.lines) {
        const TextExtent extent = MeasureText(context, line);
        context.surface.WriteText(TextLeft(context, centre.x, leftSide, extent.cx),
                                  Wrap32(centre.y + row * extent.cy - rise), line);
        ++row;
    }
}

}  // namespace

MemoryType BadgeType(std::size_t slot) {
    return kAllMemoryTypes[kMemoryTypeCount - 1 - slot % kBadgeSlotCount];
}

Point BadgeCentre(const SceneGeometry& geometry, std::size_t slot) {
    const std::int32_t radius = geometry.BadgeRadius;
    return PointOnRing(RingCentre(geometry, radius, kBadgeCentreOffset), radius,
                       static_cast<std::int64_t>(slot % kBadgeSlotCount),
                       static_cast<std::int32_t>(kBadgeSlotCount));
}

bool LeftSide(std::size_t slot) {
    const std::size_t k = slot % kBadgeSlotCount;
    return k == 0 || k == 1 || k == 6;
}

void DrawTypeBadges(PaintContext& context) {
    for (std::size_t slot = 0; slot < kBadgeSlotCount; ++slot) {
        const MemoryType type = BadgeType(slot);
        const Activeness activeness = context.snapshot.activeness[Index(type)];
        const Point centre = BadgeCentre(context.geometry, slot);
        const bool leftSide = LeftSide(slot);
        DrawPicture(context, activeness, centre);
        DrawPercentage(context, activeness, centre);
        DrawName(context, type, centre, leftSide);
        DrawDescription(context, type, activeness, centre, leftSide);
    }
}

}  // namespace mr
