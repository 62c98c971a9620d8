#include "shell/run_modes.hpp"

#include "shell/locale_queries.hpp"
#include "shell/password_hooks.hpp"
#include "shell/refresh_thread.hpp"
#include "shell/saver_window.hpp"
#include "shell/scope_exit.hpp"

namespace mr {

namespace {

bool StartRefreshThread(Shell& shell) {
    return shell.services.CreateThread(ThreadStart{&RefreshThreadStart, &shell});
}

void RunMessageLoop(WindowsServices& services) {
    // GetMessageW's -1 (an error) ends the loop as WM_QUIT does, rather than spinning on it.
    while (services.GetMessageW() > 0) {
        services.TranslateMessage();
        services.DispatchMessageW();
    }
}

// The window's part of the full-screen run. Without the window, or without the refresh thread
// that alone ends the message loop, nothing could ever close the saver: the run ends at once.
void RunFullScreenWindow(Shell& shell) {
    WindowsServices& services = shell.services;
    const WindowRect desktop = services.GetWindowRect(services.GetDesktopWindow());
    if (CreateSaverWindow(shell, RectWidth(desktop), RectHeight(desktop), 0) == 0 ||
        !StartRefreshThread(shell)) {
        return;
    }
    // Receives the previous state; never read.
    std::int32_t wasRunning = 0;
    services.SystemParametersInfoW(win::kSpiSetScreenSaverRunning, 1, &wasRunning, 0);
    const AtScopeExit notRunning(
        [&] { services.SystemParametersInfoW(win::kSpiSetScreenSaverRunning, 0, &wasRunning, 0); });
    RunMessageLoop(services);
}

}  // namespace

void RunFullScreen(Shell& shell) {
    WindowsServices& services = shell.services;
    shell.state.previewMode = false;
    shell.state.inputTolerance = 3;
    const WindowHandle previousForeground = services.GetForegroundWindow();
    // Lowered until the count it returns is no longer above 0: from the usual 0 one call, which
    // leaves -1 and the cursor hidden. The one ShowCursor(TRUE) at the end undoes exactly that.
    while (services.ShowCursor(false) > 0) {
    }
    const AtScopeExit giveBack([&] {
        services.ShowCursor(true);
        services.SetForegroundWindow(previousForeground);
    });
    RunFullScreenWindow(shell);
}

void RunPreview(Shell& shell, std::u16string_view commandLine) {
    WindowsServices& services = shell.services;
    shell.state.previewMode = true;
    const WindowHandle parent =
        ArgumentCount(commandLine) >= 2
            ? static_cast<WindowHandle>(ReadInteger64(ArgumentAt(commandLine, 2)).value)
            : services.GetForegroundWindow();
    if (!services.IsWindow(parent)) {
        return;
    }
    const WindowRect rect = services.GetWindowRect(parent);
    if (CreateSaverWindow(shell, RectWidth(rect), RectHeight(rect), parent) == 0 ||
        !StartRefreshThread(shell)) {
        return;
    }
    RunMessageLoop(services);
}

void RunProgram(Shell& shell, std::u16string_view commandLine) {
    SetUpThreadLocale(shell);
    switch (RunModeFromCommandLine(commandLine)) {
        case RunMode::FullScreen:
            RunFullScreen(shell);
            break;
        case RunMode::Preview:
            RunPreview(shell, commandLine);
            break;
        case RunMode::ChangePassword:
            RunChangePassword(shell.services, ArgumentAt(commandLine, 2));
            break;
        case RunMode::None:
            break;
    }
}

}  // namespace mr
