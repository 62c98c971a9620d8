#include "render/dial_ring.hpp"

namespace mr {

void DrawDialRing(PaintContext& context) {
    const SceneGeometry& g = context.geometry;
    const std::int64_t inset = g.Scaled(kRingCentreOffset);
    context.surface.Ellipse(Wrap32(g.OffsetX + inset), Wrap32(g.OffsetY + inset),
                            Wrap32(std::int64_t{g.OffsetX} + g.Side - inset),
                            Wrap32(std::int64_t{g.OffsetY} + g.Side - inset));
}

}  // namespace mr
