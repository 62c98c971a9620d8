#include "render/paint_scene.hpp"

#include "model/extended_math.hpp"
#include "model/rhythm_model.hpp"
#include "render/captions.hpp"
#include "render/clock_face.hpp"
#include "render/dial_ring.hpp"
#include "render/paint_context.hpp"
#include "render/rhythm_figure.hpp"
#include "render/type_badges.hpp"

namespace mr {

namespace {

constexpr std::int32_t kCloseHintHeight = 15;

}  // namespace

// The whole scene, from nothing, straight onto the paint DC; the context's destructor is the
// clean-up on every way out, the preview's early return and exceptions included.
void PaintScene(DrawingSurface& surface, const SceneInputs& inputs) {
    const ExtendedPrecisionScope precision;
    PaintContext context(surface, inputs);
    context.CreateMemoryDc();
    context.fontTemplate = InitialFontTemplate();
    context.lines.clear();
    UseSolidBrush(context, kBackgroundColour);
    context.snapshot = EvaluateRhythm(inputs.moment);
    // No pen has been selected yet: the DC's default black pen draws the one-pixel border.
    surface.Rectangle(0, 0, inputs.width, inputs.height);
    context.geometry = ComputeSceneGeometry(inputs.width, inputs.height, inputs.dpi);
    UseFontHeight(context, context.geometry.Scaled(kCloseHintHeight));
    UseSolidPen(context, kWhite);
    DrawDialRing(context);
    DrawRhythmFigure(context);
    if (inputs.preview) {
        return;
    }
    UseSolidBrush(context, kWhite);
    surface.SetTextColour(kGray);
    surface.SetTransparentBackground();
    DrawCloseHint(context);
    DrawSubtitle(context);
    DrawTitle(context);
    DrawHourDots(context);
    DrawHand(context);
    DrawTypeBadges(context);
    DrawHourLabels(context);
    DrawDateCaption(context);
    DrawTimeCaption(context);
}

}  // namespace mr
