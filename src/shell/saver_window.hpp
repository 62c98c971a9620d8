// The saver window: a topmost pop-up over the desktop, or a disabled child inside the system's
// preview window, and the procedure that turns its messages into paints and password checks.
#pragma once

#include <cstdint>

#include "render/scene_inputs.hpp"
#include "shell/saver_state.hpp"

namespace mr {

inline constexpr std::u16string_view kSaverClassName = u"MyPelmarScreenSaverClass";
inline constexpr std::u16string_view kSaverWindowName = u"MySaver";

// Fixes the interface language, registers the class and creates the window: without a parent a
// visible pop-up made topmost, with one a disabled child at the parent's top left corner. Stores
// the handle in saverWindow and the window's DPI in dpi, and returns the handle; 0 when creation
// failed.
WindowHandle CreateSaverWindow(Shell& shell, std::int32_t width, std::int32_t height,
                               WindowHandle parent);

// One message as the system hands it to the window procedure.
struct WindowMessage {
    WindowHandle window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// The procedure of the saver's windows: the dial's, and in the full-screen run the plain ones
// over the other monitors, whose input counts the same. It answers every message itself but one:
// nothing the system would do by default (closing, erasing, the Alt menu) happens, while a
// monitor may still power down. Key presses, Alt keys included, the counted mouse events and
// another program taking the foreground run the password check, one at a time. A mouse move
// counts only where it takes the cursor somewhere new. The whole window is client area to the
// mouse as well, or no mouse message would ever reach the input rule. A change of the display's
// scale redraws the dial at the new DPI.
// Nothing leaves it by an exception: a failed handler answers 0.
std::intptr_t SaverWindowProc(Shell& shell, const WindowMessage& message) noexcept;

// The DPI the dial is drawn at, from the system's answer for its window: 96 when the system could
// not say (0), and otherwise kept within what a display can be set to, from half to ten times 96.
std::int32_t DialDpi(std::uint32_t systemAnswer);

// The system's answer for a window: its own DPI where the system has one per window, else its
// monitor's, else the system DPI; 0 when none answers. A per-monitor aware program that took the
// system DPI on Windows 8.1 would draw at the wrong scale on a monitor of another scale.
std::uint32_t WindowDpi(WindowsServices& services, WindowHandle window);

// Gives the calling thread the DPI awareness of the window, where the system has per-window
// awareness: the windows the thread then creates get it too, and the sizes and positions it reads
// are in that window's space.
void TakeDpiAwarenessOf(WindowsServices& services, WindowHandle window);

// Records where the cursor is as the run starts, before any window of the saver is shown.
void RememberCursor(Shell& shell);

// What a paint takes from the state, with the one clock reading of that paint.
SceneInputs SceneInputsFor(const SaverState& state, const LocalMoment& moment);

// Counts a mouse event down; true when it should run the password check. Preview windows never
// count. The counter stops at its lowest value rather than wrap.
bool MouseEventRunsCheck(SaverState& state);

}  // namespace mr
