// The texts of the full-screen scene: close hint, subtitle, title, and the date and time in the
// middle of the dial.
#pragma once

#include <string>

#include "render/paint_context.hpp"

namespace mr {

// "HH", the separator, "mm"; an impossible reading is kept within the day.
std::u16string TimeCaptionText(const LocalMoment& moment, char16_t separator);

// In the height-15 font selected before the ring; not measured.
void DrawCloseHint(PaintContext& context);
void DrawSubtitle(PaintContext& context);
void DrawTitle(PaintContext& context);
void DrawDateCaption(PaintContext& context);
void DrawTimeCaption(PaintContext& context);

}  // namespace mr
