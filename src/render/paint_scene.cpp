#include "render/paint_scene.hpp"

namespace mr {

// The background and its border only; the dial's drawing steps follow.
void PaintScene(DrawingSurface& surface, const SceneInputs& inputs) {
    surface.BeginPaint();
    const GdiHandle brush = surface.CreateSolidBrush(RgbColour{0, 0, 30});
    const GdiHandle previousBrush = surface.SelectObject(DcTarget::Paint, brush);
    surface.Rectangle(0, 0, inputs.width, inputs.height);
    surface.SelectObject(DcTarget::Paint, previousBrush);
    surface.EndPaint();
    surface.DeleteObject(brush);
}

}  // namespace mr
