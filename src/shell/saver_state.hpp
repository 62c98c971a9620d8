// The process-wide values that the main thread and the refresh thread share, without locks:
// each has one writer at a time. Atomic, so that the sharing is well defined.
#pragma once

#include <atomic>
#include <cstdint>

#include "shell/windows_services.hpp"
#include "text/ui_language.hpp"

namespace mr {

struct SaverState {
    // Written once by the window's creation; read by the refresh thread, the check and the paint.
    std::atomic<WindowHandle> saverWindow{0};
    // Written once by the refresh thread at its start; read by the paint.
    std::atomic<std::int32_t> clientWidth{0};
    std::atomic<std::int32_t> clientHeight{0};
    // The window's DPI, written by the window's creation, before any paint, and again when the
    // display's scale changes under the dial; read by the paint, which draws the dial natively
    // at it.
    std::atomic<std::int32_t> dpi{kDesignDpi};
    // Written by the run mode before the window exists.
    std::atomic<bool> previewMode{false};
    // Written by the preview run before the refresh thread starts: the window it draws inside,
    // and the main thread, which the refresh thread ends when that window is gone.
    std::atomic<WindowHandle> previewParent{0};
    std::atomic<std::uint32_t> mainThread{0};
    // The result of the latest password check; the refresh thread closes the saver on true.
    std::atomic<bool> quitRequested{false};
    // True while a password check runs; its dialog's own message loop may deliver input that
    // must not start a second one.
    std::atomic<bool> checkRunning{false};
    // Mouse events left before one runs the password check (full-screen run only).
    std::atomic<std::int32_t> inputTolerance{0};
    // Where the cursor was last seen, in screen pixels: at the start of the full-screen run, then
    // at every mouse move. Windows sends a move at the cursor's unchanged place whenever a window
    // is shown, hidden or moved under a still mouse; only a move away from here is counted.
    // Written and read by the window procedure alone (and by the run before the window exists).
    std::atomic<bool> cursorKnown{false};
    std::atomic<std::int32_t> cursorX{0};
    std::atomic<std::int32_t> cursorY{0};
    // Fixed once per run when the window is created.
    std::atomic<UiLanguage> uiLanguage{UiLanguage::English};
    // The thread locale's time separator, read once at start-up for the time caption.
    std::atomic<char16_t> timeSeparator{u':'};
};

// What every shell operation works on: the services and the shared state.
struct Shell {
    WindowsServices& services;
    SaverState& state;
};

}  // namespace mr
