#include "shell/refresh_thread.hpp"

#include "shell/saver_window.hpp"

namespace mr {

namespace {

LocalMoment MinuteOf(const LocalMoment& reading) {
    LocalMoment minute = reading;
    minute.second = 0;
    return minute;
}

bool SameMinute(const LocalMoment& a, const LocalMoment& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute;
}

// The process that owns the preview's parent may end without destroying its windows the usual
// way: the saver's window then goes with the parent, but no WM_DESTROY comes to end the run.
bool PreviewParentGone(Shell& shell, WindowHandle window) {
    return shell.state.previewMode && (!shell.services.IsWindow(shell.state.previewParent) ||
                                       !shell.services.IsWindow(window));
}

}  // namespace

bool RepaintDue(RefreshMemory& memory, const LocalMoment& reading) {
    if (!memory.anyReading) {
        // The first paint, asked for just before, stands for the first reading's minute.
        memory.anyReading = true;
        memory.lastRequestedMinute = MinuteOf(reading);
        return reading.second == 0;
    }
    if (SameMinute(reading, memory.lastRequestedMinute)) {
        return false;
    }
    memory.lastRequestedMinute = MinuteOf(reading);
    return true;
}

std::uint32_t RefreshThreadProc(Shell& shell) {
    WindowsServices& services = shell.services;
    // A null window given to InvalidateRect would repaint the whole desktop.
    const WindowHandle window = shell.state.saverWindow;
    if (window == 0) {
        return 0;
    }
    // The preview's window has its parent's DPI awareness (see RunPreview); read from another,
    // its size would be scaled to a space the paint does not draw in.
    if (shell.state.previewMode) {
        TakeDpiAwarenessOf(services, window);
    }
    const WindowRect rect = services.GetWindowRect(window);
    shell.state.clientWidth = RectWidth(rect);
    shell.state.clientHeight = RectHeight(rect);
    services.ShowWindow(window, win::kSwShow);
    services.UpdateWindow(window);
    services.InvalidateRect(window, false);

    RefreshMemory memory;
    do {
        if (RepaintDue(memory, services.GetLocalTime())) {
            services.InvalidateRect(window, false);
        }
        services.Sleep(1000);
        if (PreviewParentGone(shell, window)) {
            // No window is left to take a message: the quit goes to the main thread itself.
            services.PostThreadMessageW(shell.state.mainThread, win::kWmQuit, 0, 0);
            return 0;
        }
    } while (!shell.state.quitRequested);

    services.PostMessageW(window, win::kWmDestroy, 0, 0);
    return 0;
}

std::uint32_t RefreshThreadStart(void* parameter) noexcept {
    Shell& shell = *static_cast<Shell*>(parameter);
    try {
        return RefreshThreadProc(shell);
    } catch (...) {
        // Only this thread ever ends the message loop: one that stops early would leave a window
        // up that no input can close. It ends the run as a thread that never started does.
        try {
            const WindowHandle window = shell.state.saverWindow;
            if (window != 0) {
                shell.services.PostMessageW(window, win::kWmDestroy, 0, 0);
            }
        } catch (...) {
        }
        return 1;
    }
}

}  // namespace mr
