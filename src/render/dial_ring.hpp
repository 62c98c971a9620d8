// The dial's two central drawing steps: the white ring and the seven-curve rhythm figure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/memory_type.hpp"
#include "render/paint_context.hpp"
#include "render/scene_geometry.hpp"

namespace mr {

// The ring in the white pen with its inside in the background brush, both already selected.
void DrawDialRing(PaintContext& context);

// The seven cardioids, one SetPixel per point in the type colours.
void DrawRhythmFigure(PaintContext& context);

// One point of the figure before truncation: the horizontal and vertical offsets u and v, which
// are subtracted from the ring's centre.
struct FigureOffset {
    double u = 0;
    double v = 0;
};

struct FigurePixel {
    Point position;
    MemoryType type = MemoryType::Motorical;
};

// Passes of the figure's loop and points written: t runs from 0 by 0.005 while it is at most 2 pi.
inline constexpr std::size_t kFigureSteps = 1257;
inline constexpr std::size_t kFigurePixels = kFigureSteps * kMemoryTypeCount;

// r / 4.1, held as a double; both axes use it.
double FigureScale(std::int32_t ringRadius);
// The loop's t after the given number of additions of 0.005, each rounded to a double.
double FigureParameter(std::size_t step);
// The offsets of one type's point at t, for a figure of the given scale.
FigureOffset FigureOffsetAt(double scale, double t, MemoryType type, double dayFactor);
// Every pixel the figure writes, in the order it writes them: step by step, types 0 to 6.
std::vector<FigurePixel> RhythmFigurePixels(const SceneGeometry& geometry,
                                            const DayFactorSet& dayFactors);

}  // namespace mr
