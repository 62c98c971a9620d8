// The full-screen run's windows over the monitors that the dial does not cover.
#pragma once

#include <string_view>
#include <vector>

#include "shell/saver_state.hpp"

namespace mr {

inline constexpr std::u16string_view kCoverClassName = u"MemoryRhythmsCoverClass";

// Covers every monitor whose rectangle is not the dial's with a plain topmost window of the dial's
// background colour, without a cursor; the saver's window procedure serves them, so their input
// counts as the dial's. Called before the dial's window is made, so that the dial's window ends
// up the active one. Returns the windows made: none with one monitor, or when the monitors cannot
// be listed.
std::vector<WindowHandle> CoverOtherMonitors(Shell& shell, const WindowRect& dial);

}  // namespace mr
