#include "shell/monitor_covers.hpp"

namespace mr {

std::vector<WindowHandle> CoverOtherMonitors(Shell& shell, const WindowRect& dial) {
    WindowsServices& services = shell.services;
    std::vector<WindowHandle> covers;
    bool registered = false;
    for (const WindowRect& monitor : services.EnumDisplayMonitors()) {
        if (monitor == dial || RectWidth(monitor) <= 0 || RectHeight(monitor) <= 0) {
            continue;
        }
        if (!registered) {
            // No cursor and no background brush, as for the dial: the cursor is hidden, and
            // every paint fills the window.
            services.RegisterWindowClass(WindowClassFields{0, kCoverClassName, false, false});
            registered = true;
        }
        const WindowHandle cover = services.CreateWindowExW(WindowCreation{
            win::kWsExTopmostTool, kCoverClassName, u"", win::kWsPopup | win::kWsVisible,
            monitor.left, monitor.top, RectWidth(monitor), RectHeight(monitor), 0});
        if (cover != 0) {
            covers.push_back(cover);
        }
    }
    return covers;
}

}  // namespace mr
