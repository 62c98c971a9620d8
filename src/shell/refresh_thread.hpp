// The refresh thread: the saver's clock and its closing hand. It draws nothing itself.
#pragma once

#include <cstdint>

#include "model/moment.hpp"
#include "shell/saver_state.hpp"

namespace mr {

// What the thread remembers between clock readings: the minute of the last repaint it asked for.
struct RefreshMemory {
    bool anyReading = false;
    LocalMoment lastRequestedMinute{};  // the second is always 0
};

// Decides, for one clock reading, whether to ask for a repaint. The first reading asks only at
// second 0 (the start has just asked for the first paint, so a start at second 0 asks twice in a
// row). After that a repaint is asked whenever the reading's minute differs from the minute of the
// last one asked for: normally at second 0, and at once after a second 0 that was never read
// because the one-second waits crept past it, so no minute is left on the screen stale.
bool RepaintDue(RefreshMemory& memory, const LocalMoment& reading);

// The thread's body: records the window's size, shows it, asks for the first paint, then wakes
// once a second until quitRequested and posts WM_DESTROY. Returns at once without a window. In
// the preview it also ends the run, with a quit posted to the main thread, once the parent or
// the saver's window is gone.
std::uint32_t RefreshThreadProc(Shell& shell);

// RefreshThreadProc as a thread start routine; the parameter is the Shell. Nothing leaves it by an
// exception; a body that fails posts WM_DESTROY, so that the run still ends.
std::uint32_t RefreshThreadStart(void* parameter) noexcept;

}  // namespace mr
