#include "render/captions.hpp"

#include <string>

#include "text/catalogue.hpp"
#include "text/number_texts.hpp"

namespace mr {

namespace {

// Lengths at 96 DPI; the geometry scales them.
constexpr std::int32_t kCloseHintCorner = 10;
constexpr std::int32_t kSubtitleHeight = 25;
constexpr std::int32_t kSubtitleLift = 30;
constexpr std::int32_t kTitleHeight = 40;
constexpr std::int32_t kTitleTop = 35;
constexpr std::int32_t kDateHeight = 35;
constexpr std::int32_t kTimeHeight = 70;
// The date stands this far above the window's middle line, the time as far below it.
constexpr std::int32_t kMiddleGap = 10;

// (Width - cx) div 2: centred, and a text wider than the window gets a negative edge.
std::int32_t CentredLeft(const PaintContext& context, const TextExtent& extent) {
    return Wrap32((std::int64_t{context.inputs.width} - extent.cx) / 2);
}

}  // namespace

void DrawCloseHint(PaintContext& context) {
    const std::int32_t corner = context.geometry.Scaled(kCloseHintCorner);
    context.surface.WriteText(corner, corner,
                              CaptionText(context.inputs.language, Caption::CloseHint));
}

void DrawSubtitle(PaintContext& context) {
    UseFontHeight(context, context.geometry.Scaled(kSubtitleHeight));
    const std::u16string_view text = CaptionText(context.inputs.language, Caption::Subtitle);
    const TextExtent extent = MeasureText(context, text);
    context.surface.WriteText(CentredLeft(context, extent),
                              Wrap32(std::int64_t{context.inputs.height} - extent.cy -
                                     context.geometry.Scaled(kSubtitleLift)),
                              text);
}

void DrawTitle(PaintContext& context) {
    UseFontHeight(context, context.geometry.Scaled(kTitleHeight));
    std::u16string text(CaptionText(context.inputs.language, Caption::Title));
    text.append(TitleSuffix());
    const TextExtent extent = MeasureText(context, text);
    context.surface.WriteText(CentredLeft(context, extent), context.geometry.Scaled(kTitleTop),
                              text);
}

void DrawDateCaption(PaintContext& context) {
    UseFontHeight(context, context.geometry.Scaled(kDateHeight));
    context.surface.SetTextColour(kWhite);
    const LocalMoment& moment = context.inputs.moment;
    const std::u16string text =
        DateCaption(context.inputs.language, moment.year, moment.month, moment.day);
    const TextExtent extent = MeasureText(context, text);
    context.surface.WriteText(CentredLeft(context, extent),
                              Wrap32(std::int64_t{context.inputs.height / 2} - extent.cy -
                                     context.geometry.Scaled(kMiddleGap)),
                              text);
}

void DrawTimeCaption(PaintContext& context) {
    UseFontHeight(context, context.geometry.Scaled(kTimeHeight));
    context.surface.SetTextColour(kWhite);
    const std::u16string text = TimeCaption(context.inputs.moment, context.inputs.timeSeparator);
    const TextExtent extent = MeasureText(context, text);
    context.surface.WriteText(
        CentredLeft(context, extent),
        Wrap32(std::int64_t{context.inputs.height / 2} + context.geometry.Scaled(kMiddleGap)),
        text);
}

}  // namespace mr
