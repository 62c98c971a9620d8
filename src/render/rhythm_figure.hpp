// The rhythm figure in the middle of the dial: one cardioid per memory type, shaped by its day
// factor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/memory_type.hpp"
#include "render/paint_context.hpp"
#include "render/scene_geometry.hpp"

namespace mr {

// The seven cardioids in the type colours: one SetPixel per point at 100 %, one filled square of
// the scaled point size above.
void DrawRhythmFigure(PaintContext& context);

// Each point of the figure is one pixel at 96 DPI.
inline constexpr std::int32_t kFigurePointSize = 1;

struct FigurePixel {
    Point position;
    MemoryType type = MemoryType::Motorical;
};

// Passes of the figure's loop and points written: t runs from 0 by 0.005 while it is at most 2 pi.
inline constexpr std::size_t kFigureSteps = 1257;
inline constexpr std::size_t kFigurePixels = kFigureSteps * kMemoryTypeCount;

// r / 4.1, held as a double; both axes use it.
double FigureScale(std::int32_t ringRadius);
// Every pixel the figure writes, in the order it writes them: step by step, types 0 to 6.
std::vector<FigurePixel> RhythmFigurePixels(const SceneGeometry& geometry,
                                            const DayFactorSet& dayFactors);

}  // namespace mr
