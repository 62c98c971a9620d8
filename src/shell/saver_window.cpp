#include "shell/saver_window.hpp"

#include <limits>

#include "shell/locale_queries.hpp"
#include "shell/password_hooks.hpp"

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
    }
    shell.state.saverWindow = window;
    return window;
}

namespace {

std::intptr_t OnNcCreate() {
    return 1;  // anything else would make the creation fail
}

std::intptr_t OnNcHitTest() {
    // The system turns mouse input into WM_MOUSEMOVE and the button messages only over the
    // client area; answered with 0 (nowhere), the saver would never see the mouse at all.
    return win::kHtClient;
}

std::intptr_t OnDestroy(Shell& shell) {
    shell.services.PostQuitMessage(0);
    return 0;
}

std::intptr_t OnQueryEndSession() {
    // A running saver must never hold up a log-off, restart or shutdown.
    return 1;
}

std::intptr_t OnPaint(Shell& shell) {
    shell.services.PaintWindow(shell.state.saverWindow,
                               SceneInputsFor(shell.state, shell.services.GetLocalTime()));
    return 0;
}

std::intptr_t OnKeyDown(Shell& shell) {
    shell.state.quitRequested = CheckSaverPassword(shell);
    return 0;
}

std::intptr_t OnMouseInput(Shell& shell) {
    if (MouseEventRunsCheck(shell.state)) {
        shell.state.quitRequested = CheckSaverPassword(shell);
    }
    return 0;
}

}  // namespace

std::intptr_t SaverWindowProc(Shell& shell, std::uint32_t message) noexcept {
    // Nothing may leave a window procedure by an exception: the system's frames lie in between.
    try {
        switch (message) {
            case win::kWmNcCreate:
                return OnNcCreate();
            case win::kWmNcHitTest:
                return OnNcHitTest();
            case win::kWmDestroy:
                return OnDestroy(shell);
            case win::kWmPaint:
                return OnPaint(shell);
            case win::kWmQueryEndSession:
                return OnQueryEndSession();
            case win::kWmKeyDown:
                return OnKeyDown(shell);
            case win::kWmMouseMove:
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
