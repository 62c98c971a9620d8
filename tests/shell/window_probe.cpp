// Reports, from inside Wine, what the system knows about the running saver's window: whether it
// exists, its rectangle, whether it is topmost and visible, and the screen size. The shell
// script of the Wine tests reads the one line this prints.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>

int main() {
    HWND window = ::FindWindowW(L"MyPelmarScreenSaverClass", nullptr);
    if (window == nullptr) {
        std::printf("window=none\n");
        return 0;
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    std::printf("window=found rect=%ld,%ld,%ld,%ld topmost=%d visible=%d popup=%d screen=%dx%d\n",
                rect.left, rect.top, rect.right, rect.bottom,
                (exStyle & WS_EX_TOPMOST) != 0 ? 1 : 0, ::IsWindowVisible(window) != FALSE ? 1 : 0,
                (static_cast<DWORD>(style) & WS_POPUP) != 0 ? 1 : 0,
                ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return 0;
}
