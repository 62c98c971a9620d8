// What one paint takes from the saver's state and the clock.
#pragma once

#include <cstdint>

#include "model/moment.hpp"
#include "render/scene_geometry.hpp"
#include "text/ui_language.hpp"

namespace mr {

// The moment is read once, by the caller, right before the paint; the model, the hand and both
// captions use that one reading.
struct SceneInputs {
    std::int32_t width = 0;  // the saver window's recorded size
    std::int32_t height = 0;
    // The window's DPI, read once when it was created: every fixed length of the dial is scaled
    // to it.
    std::int32_t dpi = kDesignDpi;
    bool preview = false;  // preview: background, ring and figure only
    UiLanguage language = UiLanguage::English;
    char16_t timeSeparator = u':';
    LocalMoment moment{};
};

}  // namespace mr
