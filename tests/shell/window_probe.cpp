// Asks the system, from inside Wine, about windows of the running saver test:
//   window_probe              one line on the saver's window: rectangle, topmost, visible, popup,
//                             child, disabled, its parent, whether it sits at the parent's client
//                             origin with the parent's window size, the screen size, and
//                             whether it answers WM_NCACTIVATE(FALSE) with non-zero
//   window_probe host         shows a plain white 320x240 window at (100, 100), the stand-in for
//                             the system's preview window, prints its decimal handle and runs
//                             until the window is closed
//   window_probe close HWND   posts WM_CLOSE to the window, as closing the display settings would
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Window handles travel as 32-bit numbers, widened and narrowed as Windows does it.
HWND FromDecimal(const char* text) {
    return static_cast<HWND>(LongToHandle(static_cast<LONG>(std::strtoul(text, nullptr, 10))));
}

unsigned long ToDecimal(HWND window) {
    return HandleToULong(window);
}

BOOL CALLBACK FindSaverChild(HWND topLevel, LPARAM result) {
    HWND child = ::FindWindowExW(topLevel, nullptr, L"MyPelmarScreenSaverClass", nullptr);
    if (child == nullptr) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(result) = child;
    return FALSE;
}

HWND FindSaverWindow() {
    HWND window = ::FindWindowW(L"MyPelmarScreenSaverClass", nullptr);
    if (window != nullptr) {
        return window;
    }
    // A preview saver is a child: look through every top-level window's children.
    HWND found = nullptr;
    ::EnumWindows(&FindSaverChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

int Report() {
    HWND window = FindSaverWindow();
    if (window == nullptr) {
        std::printf("window=none\n");
        return 0;
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
    HWND parent = (style & WS_CHILD) != 0 ? ::GetParent(window) : nullptr;
    int placed = 0;
    if (parent != nullptr) {
        RECT parentRect{};
        ::GetWindowRect(parent, &parentRect);
        POINT origin{0, 0};
        ::ClientToScreen(parent, &origin);
        placed = rect.left == origin.x && rect.top == origin.y &&
                         rect.right - rect.left == parentRect.right - parentRect.left &&
                         rect.bottom - rect.top == parentRect.bottom - parentRect.top
                     ? 1
                     : 0;
    }
    // Whether the window lets activation go: a zero answer would veto it on Windows.
    const LRESULT letsGo = ::SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    std::printf(
        "window=found rect=%ld,%ld,%ld,%ld topmost=%d visible=%d popup=%d child=%d disabled=%d "
        "parent=%lu placed=%d screen=%dx%d ncactivate=%d\n",
        rect.left, rect.top, rect.right, rect.bottom, (exStyle & WS_EX_TOPMOST) != 0 ? 1 : 0,
        ::IsWindowVisible(window) != FALSE ? 1 : 0, (style & WS_POPUP) != 0 ? 1 : 0,
        (style & WS_CHILD) != 0 ? 1 : 0, (style & WS_DISABLED) != 0 ? 1 : 0, ToDecimal(parent),
        placed, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
        letsGo != 0 ? 1 : 0);
    return 0;
}

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

int Host() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &HostProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"SaverTestPreviewHost";
    ::RegisterClassW(&windowClass);
    HWND window =
        ::CreateWindowExW(0, L"SaverTestPreviewHost", L"Preview host", WS_POPUP | WS_VISIBLE, 100,
                          100, 320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
    std::printf("%lu\n", ToDecimal(window));
    std::fflush(stdout);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "host") == 0) {
        return Host();
    }
    if (argc == 3 && std::strcmp(argv[1], "close") == 0) {
        return ::PostMessageW(FromDecimal(argv[2]), WM_CLOSE, 0, 0) != FALSE ? 0 : 1;
    }
    return Report();
}
