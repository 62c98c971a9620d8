#include "shell/saver_window.hpp"

#include <algorithm>
#include <limits>
#include <optional>

#include "shell/locale_queries.hpp"
#include "shell/password_hooks.hpp"
#include "shell/scope_exit.hpp"

namespace mr {

WindowHandle CreateSaverWindow(Shell& shell, std::int32_t width, std::int32_t height,
                               WindowHandle parent) {
    WindowsServices& services = shell.services;
    SelectUiLanguage(shell);
    // No cursor and no background brush: the saver hides the cursor itself, and every paint
    // covers the whole window.
    services.RegisterWindowClass(
        WindowClassFields{win::kCsParentDc, kSaverClassName, false, false});
    WindowCreation creation{0, kSaverClassName, kSaverWindowName, 0, 0, 0, width, height, parent};
    creation.style = parent != 0 ? win::kWsChild | win::kWsVisible | win::kWsDisabled
                                 : win::kWsPopup | win::kWsVisible;
    const WindowHandle window = services.CreateWindowExW(creation);
    if (parent == 0 && window != 0) {
        services.SetWindowPos(window, win::kHwndTopmost, 0, 0, 0, 0, win::kSwpKeepPlaceQuietly);
        // The default procedure gives an activated window the focus; this one never calls it.
        // Without the focus every key would arrive as a system key, or go nowhere.
        services.SetFocus(window);
    }
    if (window != 0) {
        shell.state.dpi = DialDpi(WindowDpi(services, window));
    }
    shell.state.saverWindow = window;
    return window;
}

std::int32_t DialDpi(std::uint32_t systemAnswer) {
    constexpr std::uint32_t kLowest = kDesignDpi / 2;
    constexpr std::uint32_t kHighest = kDesignDpi * 10;
    if (systemAnswer == 0) {
        return kDesignDpi;
    }
    return static_cast<std::int32_t>(std::clamp(systemAnswer, kLowest, kHighest));
}

std::uint32_t WindowDpi(WindowsServices& services, WindowHandle window) {
    for (const auto ask : {&WindowsServices::GetDpiForWindow, &WindowsServices::GetDpiForMonitor,
                           &WindowsServices::GetDeviceCapsDpi}) {
        const std::uint32_t dpi = (services.*ask)(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    return 0;
}

void TakeDpiAwarenessOf(WindowsServices& services, WindowHandle window) {
    const DpiAwarenessContext context = services.GetWindowDpiAwarenessContext(window);
    if (context != 0) {
        services.SetThreadDpiAwarenessContext(context);
    }
}

void RememberCursor(Shell& shell) {
    const std::optional<PixelPoint> at = shell.services.GetCursorPos();
    if (at) {
        shell.state.cursorX = at->x;
        shell.state.cursorY = at->y;
    }
    shell.state.cursorKnown = at.has_value();
}

namespace {

// The point of a mouse message: two signed 16-bit client coordinates, negative left of and above
// the client area.
PixelPoint ClientPointOf(std::intptr_t lParam) {
    const auto bits = static_cast<std::uintptr_t>(lParam);
    return {static_cast<std::int16_t>(bits & 0xFFFFU),
            static_cast<std::int16_t>((bits >> 16) & 0xFFFFU)};
}

// Whether a mouse move took the cursor somewhere new; it is remembered there either way. The
// windows over the other monitors share this procedure and their client areas start elsewhere,
// so the places are compared on the screen. A move that cannot be placed counts.
bool CursorMoved(Shell& shell, const WindowMessage& message) {
    SaverState& state = shell.state;
    const std::optional<PixelPoint> at =
        shell.services.ClientToScreen(message.window, ClientPointOf(message.lParam));
    if (!at) {
        return true;
    }
    const bool moved = !state.cursorKnown || state.cursorX != at->x || state.cursorY != at->y;
    state.cursorX = at->x;
    state.cursorY = at->y;
    state.cursorKnown = true;
    return moved;
}

std::intptr_t OnNcCreate() {
    return 1;  // anything else would make the creation fail
}

std::intptr_t OnNcHitTest() {
    // The system turns mouse input into WM_MOUSEMOVE and the button messages only over the
    // client area; answered with 0 (nowhere), the saver would never see the mouse at all.
    return win::kHtClient;
}

std::intptr_t OnNcActivate() {
    // Answered when the window is about to lose activation too: 0 there would veto the change,
    // and the saver would keep the activation that another program, or the dial's own window on
    // another monitor, is being given. The window has no frame to repaint.
    return 1;
}

std::intptr_t OnDestroy(Shell& shell) {
    shell.services.PostQuitMessage(0);
    return 0;
}

std::intptr_t OnQueryEndSession() {
    // A running saver must never hold up a log-off, restart or shutdown.
    return 1;
}

std::intptr_t OnPaint(Shell& shell, WindowHandle window) {
    // The dial is drawn on its own window only; the windows over the other monitors are plain.
    if (window != shell.state.saverWindow) {
        shell.services.PaintBackground(window);
        return 0;
    }
    shell.services.PaintWindow(window, SceneInputsFor(shell.state, shell.services.GetLocalTime()));
    return 0;
}

// The password check, its answer kept for the refresh thread. Never two at once: the dialog's own
// message loop goes on delivering messages to the saver's windows.
void CheckBeforeClosing(Shell& shell) {
    SaverState& state = shell.state;
    if (state.checkRunning.exchange(true)) {
        return;
    }
    const AtScopeExit done([&] { state.checkRunning = false; });
    state.quitRequested = CheckSaverPassword(shell);
}

std::intptr_t OnKeyDown(Shell& shell) {
    CheckBeforeClosing(shell);
    return 0;
}

std::intptr_t OnSysKeyDown(Shell& shell) {
    // Alt and F10 are keys like any other. And an active window without the keyboard focus gets
    // every key as a system key: the full-screen saver must close on those as well.
    if (!shell.state.previewMode) {
        CheckBeforeClosing(shell);
    }
    return 0;
}

std::intptr_t OnMouseInput(Shell& shell) {
    if (MouseEventRunsCheck(shell.state)) {
        CheckBeforeClosing(shell);
    }
    return 0;
}

std::intptr_t OnMouseMove(Shell& shell, const WindowMessage& message) {
    // The moves Windows makes up at the cursor's unchanged place, whenever a window is shown,
    // hidden or moved under a still mouse, would otherwise close the saver by themselves.
    if (!shell.state.previewMode && CursorMoved(shell, message)) {
        return OnMouseInput(shell);
    }
    return 0;
}

std::intptr_t OnDpiChanged(Shell& shell, const WindowMessage& message) {
    // The display's scale changed, or the dial's monitor was set to another one: the dial is
    // drawn whole at the new DPI. The suggested rectangle is not taken, since the window keeps
    // covering its monitor, whose pixels stay as they are. The plain windows need nothing.
    if (message.window == shell.state.saverWindow) {
        shell.state.dpi = DialDpi(static_cast<std::uint32_t>(message.wParam & 0xFFFFU));
        shell.services.InvalidateRect(message.window, false);
    }
    return 0;
}

std::intptr_t OnActivateApp(Shell& shell, const WindowMessage& message) {
    // Another program took the foreground: whatever the user types now goes to it, hidden under
    // the topmost saver. Close, after the password check, as a key press would. The message
    // comes to every top-level window of the saver; the dial's window answers for all. Once the
    // saver is closing, and after the run, when giving the foreground back deactivates it, it
    // asks for nothing.
    const SaverState& state = shell.state;
    if (message.wParam == 0 && !state.previewMode && message.window == state.saverWindow &&
        !state.quitRequested) {
        CheckBeforeClosing(shell);
    }
    return 0;
}

std::intptr_t OnSysCommand(Shell& shell, const WindowMessage& message) {
    // The system asks the foreground window before it powers the monitor down, and only the
    // default procedure lets it. Every other system command, the screen saver starting again
    // and closing among them, is swallowed.
    if ((message.wParam & win::kScCommandMask) == win::kScMonitorPower) {
        return shell.services.DefWindowProcW(message.window, message.message, message.wParam,
                                             message.lParam);
    }
    return 0;
}

}  // namespace

std::intptr_t SaverWindowProc(Shell& shell, const WindowMessage& message) noexcept {
    // Nothing may leave a window procedure by an exception: the system's frames lie in between.
    try {
        switch (message.message) {
            case win::kWmNcCreate:
                return OnNcCreate();
            case win::kWmNcHitTest:
                return OnNcHitTest();
            case win::kWmNcActivate:
                return OnNcActivate();
            case win::kWmDestroy:
                return OnDestroy(shell);
            case win::kWmPaint:
                return OnPaint(shell, message.window);
            case win::kWmQueryEndSession:
                return OnQueryEndSession();
            case win::kWmActivateApp:
                return OnActivateApp(shell, message);
            case win::kWmKeyDown:
                return OnKeyDown(shell);
            case win::kWmSysKeyDown:
                return OnSysKeyDown(shell);
            case win::kWmSysCommand:
                return OnSysCommand(shell, message);
            case win::kWmMouseMove:
                return OnMouseMove(shell, message);
            case win::kWmDpiChanged:
                return OnDpiChanged(shell, message);
            case win::kWmLButtonDown:
            case win::kWmRButtonDown:
            case win::kWmMButtonDown:
                return OnMouseInput(shell);
            default:
                return 0;
        }
    } catch (...) {
        return 0;
    }
}

SceneInputs SceneInputsFor(const SaverState& state, const LocalMoment& moment) {
    SceneInputs inputs;
    inputs.width = state.clientWidth;
    inputs.height = state.clientHeight;
    inputs.dpi = state.dpi;
    inputs.preview = state.previewMode;
    inputs.language = state.uiLanguage;
    inputs.timeSeparator = state.timeSeparator;
    inputs.moment = moment;
    return inputs;
}

bool MouseEventRunsCheck(SaverState& state) {
    if (state.previewMode) {
        return false;
    }
    const std::int32_t tolerance = state.inputTolerance;
    const std::int32_t left =
        tolerance == std::numeric_limits<std::int32_t>::min() ? tolerance : tolerance - 1;
    state.inputTolerance = left;
    return left <= 0;
}

}  // namespace mr
