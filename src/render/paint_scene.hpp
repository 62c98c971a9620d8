// The paint cycle: the whole scene, drawn from nothing on every paint request.
#pragma once

#include "render/drawing_surface.hpp"
#include "render/scene_inputs.hpp"

namespace mr {

// Begins and ends the paint on the surface. Every object it creates is deselected and deleted
// before it returns, also when a drawing step throws.
void PaintScene(DrawingSurface& surface, const SceneInputs& inputs);

}  // namespace mr
