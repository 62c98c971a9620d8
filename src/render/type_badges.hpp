// The seven badges around the dial: rating picture, percentage, type name and description.
#pragma once

#include <cstddef>

#include "model/memory_type.hpp"
#include "render/paint_context.hpp"
#include "render/scene_geometry.hpp"

namespace mr {

inline constexpr std::size_t kBadgeSlotCount = 7;
// The rating pictures' size at 96 DPI, and that of the pictures made at twice the resolution.
inline constexpr std::int32_t kBadgePictureSize = 48;
inline constexpr std::int32_t kLargeBadgePictureSize = 96;

// Slot k shows type 6 - k: the slots run counter-clockwise from the left, so the types run
// clockwise.
MemoryType BadgeType(std::size_t slot);

// Slot k stands on ring point k of 7 of the badge ring.
Point BadgeCentre(const SceneGeometry& geometry, std::size_t slot);

// Slots 0, 1 and 6 lie left of the centre: their texts stand right-aligned left of the picture.
bool LeftSide(std::size_t slot);

// Leaves the height-14 font selected and type 0's colour as the text colour; the hour labels draw
// with that font.
void DrawTypeBadges(PaintContext& context);

}  // namespace mr
