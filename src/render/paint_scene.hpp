// The paint cycle: the whole scene, drawn from nothing on every paint request.
#pragma once

#include <cstdint>

#include "model/moment.hpp"
#include "render/drawing_surface.hpp"
#include "text/ui_language.hpp"

namespace mr {

// What one paint takes from the saver's state and the clock. The moment is read once, by the
// caller, right before the paint; the model, the hand and both captions use that one reading.
struct SceneInputs {
    std::int32_t width = 0;  // the saver window's recorded size
    std::int32_t height = 0;
    bool preview = false;  // preview: background, ring and figure only
    UiLanguage language = UiLanguage::English;
    char16_t timeSeparator = u':';
    LocalMoment moment{};
};

// Begins and ends the paint on the surface. Every object it creates is deselected and deleted
// before it returns, also when a drawing step throws.
void PaintScene(DrawingSurface& surface, const SceneInputs& inputs);

}  // namespace mr
