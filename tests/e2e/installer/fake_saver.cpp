// Stand-in screen saver for the installer tests: a full-screen window that closes on a key press.
// The installer packs whatever .scr it is given; this one lets its tests run before the real saver
// is part of the build, and keeps them quick when they only care about installing a saver.
#include <windows.h>

namespace {

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Full screen only for "/s" or "-s", as a saver is started after the idle time-out; anything else
// (preview, settings, password) ends at once.
bool IsFullScreenRequest(const wchar_t* commandLine) {
    for (const wchar_t* c = commandLine; *c != L'\0'; ++c) {
        if ((*c == L'/' || *c == L'-') && (c[1] == L's' || c[1] == L'S')) {
            return true;
        }
    }
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    if (!IsFullScreenRequest(commandLine)) {
        return 0;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = L"InstallerTestSaver";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"Installer test saver",
                        WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
