// The program entry of memory-rhythms.scr.
#include <type_traits>

#include "shell/run_modes.hpp"
#include "shell/saver_window.hpp"
#include "shell/win32_services.hpp"

namespace {

LRESULT CALLBACK SaverWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The process-wide state and services. Both are trivially destructible, so they stay intact until
// the process is gone, also for a refresh thread that still runs while the program returns.
constinit mr::SaverState saverState;
constinit mr::Win32Services services(&SaverWindowProcedure);
constinit mr::Shell shell{services, saverState};

static_assert(std::is_trivially_destructible_v<mr::SaverState>);
static_assert(std::is_trivially_destructible_v<mr::Win32Services>);

LRESULT CALLBACK SaverWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return mr::SaverWindowProc(shell, {mr::FromHwnd(window), message, wParam, lParam});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The run modes give back what they took on every way out; whatever still escapes them ends
    // the program here, with the exit code of any other run.
    try {
        mr::RunProgram(shell, reinterpret_cast<const char16_t*>(::GetCommandLineW()));
    } catch (...) {
    }
    return 0;
}
