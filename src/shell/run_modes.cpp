#include "shell/run_modes.hpp"

#include <algorithm>
#include <vector>

#include "shell/locale_queries.hpp"
#include "shell/monitor_covers.hpp"
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
void RunFullScreenWindow(Shell& shell, std::vector<WindowHandle>& covers) {
    WindowsServices& services = shell.services;
    const WindowRect desktop = services.GetWindowRect(services.GetDesktopWindow());
    covers = CoverOtherMonitors(shell, desktop);
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

// Only while one of the saver's windows still has the foreground: a user who switched to another
// program meanwhile stays with it.
void GiveForegroundBack(Shell& shell, WindowHandle previous,
                        const std::vector<WindowHandle>& covers) {
    const WindowHandle front = shell.services.GetForegroundWindow();
    if (front != 0 && (front == shell.state.saverWindow ||
                       std::find(covers.begin(), covers.end(), front) != covers.end())) {
        shell.services.SetForegroundWindow(previous);
    }
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
    RememberCursor(shell);
    std::vector<WindowHandle> covers;
    const AtScopeExit giveBack([&] {
        services.ShowCursor(true);
        // The run is over: the deactivation that giving the foreground back causes, or any
        // later one, must not ask for the password again.
        shell.state.quitRequested = true;
        GiveForegroundBack(shell, previousForeground, covers);
    });
    RunFullScreenWindow(shell, covers);
}

void RunPreview(Shell& shell, std::u16string_view commandLine) {
    WindowsServices& services = shell.services;
    shell.state.previewMode = true;
    const WindowHandle parent = ArgumentCount(commandLine) >= 2
                                    ? ReadHandleArgument(ArgumentAt(commandLine, 2))
                                    : services.GetForegroundWindow();
    if (!services.IsWindow(parent)) {
        return;
    }
    // For the refresh thread, which ends the run when the parent goes without a word.
    shell.state.previewParent = parent;
    shell.state.mainThread = services.GetCurrentThreadId();
    // The settings window belongs to another program, whose DPI awareness is seldom the saver's,
    // and Windows gives no window a child of another awareness. Taken over before anything is
    // read of the parent, it puts the parent's size, the child and its DPI in one space.
    TakeDpiAwarenessOf(services, parent);
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
