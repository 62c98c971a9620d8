// The 24-hour face on the ring: hour dots, the hand with its tip disc, and the hour labels.
#pragma once

#include <cstdint>

#include "render/paint_context.hpp"
#include "render/scene_geometry.hpp"

namespace mr {

inline constexpr std::int32_t kHourCount = 24;

// The hand's tip for a minute of the day (0 to 1439): clockwise from the left, once a day.
Point HandTip(const SceneGeometry& geometry, std::int32_t minuteOfDay);

// Dot and label i (1 to 24) stand on ring point i of 24: i = 6 straight below, 12 to the right,
// 18 above and 24 to the left.
void DrawHourDots(PaintContext& context);
// Creates and selects the gray pen and brush.
void DrawHand(PaintContext& context);
// Label i reads 24 - i, so that the hours run clockwise with the hand: 00 left, 06 at the top.
// Draws in the font the badges leave selected.
void DrawHourLabels(PaintContext& context);

}  // namespace mr
