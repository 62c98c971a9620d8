// The white ring around the dial.
#pragma once

#include "render/paint_context.hpp"

namespace mr {

// The ring in the white pen with its inside in the background brush, both already selected.
void DrawDialRing(PaintContext& context);

}  // namespace mr
