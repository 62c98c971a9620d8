// The texts of the full-screen scene: close hint, subtitle, title, and the date and time in the
// middle of the dial.
#pragma once

#include "render/paint_context.hpp"

namespace mr {

// In the height-15 font selected before the ring; not measured.
void DrawCloseHint(PaintContext& context);
void DrawSubtitle(PaintContext& context);
void DrawTitle(PaintContext& context);
void DrawDateCaption(PaintContext& context);
void DrawTimeCaption(PaintContext& context);

}  // namespace mr
