// The 24-hour face on the ring: hour dots, the hand with its tip disc, and the hour labels.
#pragma once

#include <cstdint>
#include <string>

#include "render/paint_context.hpp"
#include "render/scene_geometry.hpp"

namespace mr {

inline constexpr std::int32_t kHourCount = 24;

// The point of hour position i (1 to 24) at the given radius around a centre: angle
// 2i pi / 24 - pi / 2, x following the sine and y the cosine, so i = 6 is straight below, 12 to
// the right, 18 above and 24 to the left.
Point HourPoint(Point centre, std::int32_t radius, std::int32_t i);

// The hand's tip for a minute of the day (0 to 1439): clockwise from the left, once a day.
Point HandTip(const SceneGeometry& geometry, std::int32_t minuteOfDay);

// The label at position i reads 24 - i with two digits: "23" down to "00".
std::u16string HourLabelText(std::int32_t i);

void DrawHourDots(PaintContext& context);
// Creates and selects the gray pen and brush.
void DrawHand(PaintContext& context);
// Draws in the font the badges leave selected.
void DrawHourLabels(PaintContext& context);

}  // namespace mr
