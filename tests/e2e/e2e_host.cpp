// A small Win32 host for the end-to-end tests: it plays the parts of the system that a test
// cannot play from X (a parent window for the preview, a look at the saver's window styles).
//
//   e2e_host window-info
//       Prints the saver window's class styles, window styles, rectangle, the desktop's and every
//       monitor's.
//   e2e_host preview <width> <height> <saver.scr> <handle-form> <hold-ms>
//       Makes a host window of width x height inside a top-level window, starts the saver with
//       "/p <handle>" (handle-form: dec, dollar, x, X, 0x, 0X, unsigned64, negative), reports
//       where the client area is on the screen, keeps the window for hold-ms, reports whether the
//       saver and its window are still there, destroys the host window and reports how the saver
//       ended. It also reports whether the saver's child has the DPI awareness of the host
//       window, a window of this DPI-unaware program.
//   e2e_host foreground <saver.scr> [steal-after-ms]
//       Makes a top-level window the foreground window, runs the saver with "/s" until it ends,
//       and reports whether that window has the foreground again. With steal-after-ms, it takes
//       the foreground back itself that long after the saver's window appeared, as a reminder
//       popping up would.
//   e2e_host still-moves <count>
//       Posts count WM_MOUSEMOVE to the saver window at the cursor's own place, as Windows makes
//       them up whenever a window is shown, hidden or moved under a still mouse.
//
// Output is one line per fact, "KEY value ...", read by tests/e2e/harness.py.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kSaverClass[] = L"MyPelmarScreenSaverClass";
constexpr wchar_t kHostClass[] = L"MemoryRhythmsTestHost";

void Say(const char* format, ...) __attribute__((format(printf, 1, 2)));

void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

// A window as the 32-bit number that programs of either width pass each other.
unsigned long HandleValue(HWND window) {
    return HandleToULong(window);
}

void PrintRect(const char* key, const RECT& r) {
    Say("%s %ld %ld %ld %ld", key, r.left, r.top, r.right, r.bottom);
}

BOOL CALLBACK PrintMonitor(HMONITOR, HDC, LPRECT monitor, LPARAM count) {
    PrintRect("MONITOR", *monitor);
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int WindowInfo() {
    HWND saver = FindWindowW(kSaverClass, nullptr);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    PrintRect("DESKTOP", desktop);
    int monitors = 0;
    EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, reinterpret_cast<LPARAM>(&monitors));
    Say("MONITORS %d", monitors);
    if (saver == nullptr) {
        Say("FOUND 0");
        return 1;
    }
    Say("FOUND 1");
    Say("HANDLE %lu", HandleValue(saver));
    wchar_t title[64] = {};
    GetWindowTextW(saver, title, 64);
    Say("TITLE_IS_MYSAVER %d", std::wcscmp(title, L"MySaver") == 0 ? 1 : 0);
    Say("CLASS_STYLE 0x%08lx", static_cast<unsigned long>(GetClassLongW(saver, GCL_STYLE)));
    Say("CLASS_CURSOR %d", GetClassLongPtrW(saver, GCLP_HCURSOR) != 0 ? 1 : 0);
    Say("CLASS_BRUSH %d", GetClassLongPtrW(saver, GCLP_HBRBACKGROUND) != 0 ? 1 : 0);
    Say("STYLE 0x%08lx", static_cast<unsigned long>(GetWindowLongW(saver, GWL_STYLE)));
    Say("EXSTYLE 0x%08lx", static_cast<unsigned long>(GetWindowLongW(saver, GWL_EXSTYLE)));
    RECT rect{};
    GetWindowRect(saver, &rect);
    PrintRect("RECT", rect);
    RECT client{};
    GetClientRect(saver, &client);
    PrintRect("CLIENT", client);
    Say("VISIBLE %d", IsWindowVisible(saver) ? 1 : 0);
    return 0;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The DPI awareness of a window as DPI_AWARENESS (-1 invalid, 0 unaware, 1 system, 2 per
// monitor), and whether two windows' contexts are equal; looked up, as older systems lack them.
struct Awareness {
    int child = -1;
    int parent = -1;
    bool equal = false;
};

Awareness AwarenessOf(HWND child, HWND parent) {
    using ContextOf = HANDLE(WINAPI*)(HWND);
    using AwarenessFrom = int(WINAPI*)(HANDLE);
    using Equal = BOOL(WINAPI*)(HANDLE, HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto contextOf = reinterpret_cast<ContextOf>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    const auto awarenessFrom = reinterpret_cast<AwarenessFrom>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    const auto equal = reinterpret_cast<Equal>(
        reinterpret_cast<void*>(GetProcAddress(user32, "AreDpiAwarenessContextsEqual")));
    if (contextOf == nullptr || awarenessFrom == nullptr || equal == nullptr) {
        return {};
    }
    HANDLE childContext = contextOf(child);
    HANDLE parentContext = contextOf(parent);
    return {awarenessFrom(childContext), awarenessFrom(parentContext),
            equal(childContext, parentContext) != FALSE};
}

int StillMoves(int count) {
    HWND saver = FindWindowW(kSaverClass, nullptr);
    POINT point{};
    if (saver == nullptr || !GetCursorPos(&point)) {
        Say("ERROR no saver window or no cursor");
        return 2;
    }
    const POINT screen = point;
    ScreenToClient(saver, &point);
    for (int i = 0; i < count; ++i) {
        PostMessageW(saver, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        Sleep(50);
    }
    Say("POSTED %d %ld %ld", count, screen.x, screen.y);
    return 0;
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::wstring HandleText(HWND window, const char* form) {
    const unsigned long value = HandleValue(window);
    wchar_t buffer[32] = {};
    const std::string f = form;
    if (f == "dollar") {
        std::swprintf(buffer, 32, L"$%lX", value);
    } else if (f == "x") {
        std::swprintf(buffer, 32, L"x%lx", value);
    } else if (f == "X") {
        std::swprintf(buffer, 32, L"X%lX", value);
    } else if (f == "0x") {
        std::swprintf(buffer, 32, L"0x%lx", value);
    } else if (f == "0X") {
        std::swprintf(buffer, 32, L"0X%lX", value);
    } else if (f == "unsigned64") {
        // The 20 digits of a handle widened with its upper half set, printed unsigned.
        return std::to_wstring(0xFFFFFFFF00000000ULL | value);
    } else if (f == "negative") {
        return std::to_wstring(static_cast<long long>(value) - 0x100000000LL);
    } else {
        std::swprintf(buffer, 32, L"%lu", value);
    }
    return buffer;
}

void RegisterHostClass(HINSTANCE module) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kHostClass;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    RegisterClassW(&windowClass);
}

// Starts the saver with the given arguments; says why when it cannot.
bool StartSaver(const char* saverPath, const std::wstring& arguments,
                PROCESS_INFORMATION& process) {
    wchar_t path[MAX_PATH] = {};
    MultiByteToWideChar(CP_UTF8, 0, saverPath, -1, path, MAX_PATH);
    std::wstring commandLine = L"\"";
    commandLine += path;
    commandLine += L"\" ";
    commandLine += arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        Say("ERROR CreateProcess %lu", GetLastError());
        return false;
    }
    return true;
}

// Windows makes the windows of a program that declares no DPI awareness unaware; Wine 8.0 makes
// them per-monitor aware. The host's windows are made as Windows would make them.
void BecomeDpiUnaware() {
    using SetContext = HANDLE(WINAPI*)(HANDLE);
    const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    if (setContext != nullptr) {
        setContext(reinterpret_cast<HANDLE>(-1));  // DPI_AWARENESS_CONTEXT_UNAWARE
    }
}

int Preview(int width, int height, const char* saverPath, const char* form, DWORD holdMs) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    RegisterHostClass(module);
    BecomeDpiUnaware();

    // Like the display settings: a frameless child window of the preview's size inside a
    // top-level window; the saver gets the child's handle.
    RECT frame{0, 0, width + 40, height + 40};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND top = CreateWindowExW(0, kHostClass, L"Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               100, 100, frame.right - frame.left, frame.bottom - frame.top,
                               nullptr, nullptr, module, nullptr);
    HWND host = top == nullptr ? nullptr
                               : CreateWindowExW(0, kHostClass, L"", WS_CHILD | WS_VISIBLE, 20, 20,
                                                 width, height, top, nullptr, module, nullptr);
    if (host == nullptr) {
        Say("ERROR no host window");
        return 2;
    }
    PumpFor(300);
    POINT origin{0, 0};
    ClientToScreen(host, &origin);
    RECT client{};
    GetClientRect(host, &client);
    Say("HOST %lu", HandleValue(host));
    Say("CLIENT_ORIGIN %ld %ld", origin.x, origin.y);
    Say("CLIENT_SIZE %ld %ld", client.right, client.bottom);

    PROCESS_INFORMATION process{};
    if (!StartSaver(saverPath, L"/p " + HandleText(host, form), process)) {
        return 2;
    }
    HWND child = nullptr;
    for (int i = 0; i < 200 && child == nullptr; ++i) {
        PumpFor(50);
        child = FindWindowExW(host, nullptr, kSaverClass, nullptr);
    }
    if (child == nullptr) {
        Say("CHILD 0");
    } else {
        RECT childRect{};
        GetWindowRect(child, &childRect);
        Say("CHILD 1");
        PrintRect("CHILD_RECT", childRect);
        const Awareness awareness = AwarenessOf(child, host);
        Say("AWARENESS %d %d %d", awareness.equal ? 1 : 0, awareness.parent, awareness.child);
    }
    PumpFor(1500);  // the first paint
    // Read once the saver has finished creating it: WS_VISIBLE comes at the end of creation.
    if (child != nullptr) {
        Say("CHILD_STYLE 0x%08lx", static_cast<unsigned long>(GetWindowLongW(child, GWL_STYLE)));
    }
    Say("READY");
    PumpFor(holdMs);
    // Whatever the test did meanwhile (mouse events over the child), the saver is still there.
    Say("ALIVE %d %d", WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT ? 1 : 0,
        child != nullptr && IsWindow(child) ? 1 : 0);
    const DWORD destroyed = GetTickCount();
    DestroyWindow(top);
    PumpFor(50);
    const DWORD waited = WaitForSingleObject(process.hProcess, 10000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    Say("EXIT %d %lu %lu", waited == WAIT_OBJECT_0 ? 1 : 0, exitCode,
        static_cast<unsigned long>(GetTickCount() - destroyed));
    if (waited != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

int Foreground(const char* saverPath, DWORD stealAfterMs) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    RegisterHostClass(module);
    HWND window =
        CreateWindowExW(0, kHostClass, L"Foreground host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                        300, 200, nullptr, nullptr, module, nullptr);
    if (window == nullptr) {
        Say("ERROR no host window");
        return 2;
    }
    SetForegroundWindow(window);
    PumpFor(500);
    Say("BEFORE %d", GetForegroundWindow() == window ? 1 : 0);

    PROCESS_INFORMATION process{};
    if (!StartSaver(saverPath, L"/s", process)) {
        return 2;
    }
    Say("STARTED");
    if (stealAfterMs != 0) {
        while (FindWindowW(kSaverClass, nullptr) == nullptr &&
               WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
            PumpFor(50);
        }
        PumpFor(stealAfterMs);
        SetForegroundWindow(window);
        PumpFor(100);
        Say("STOLEN %d", GetForegroundWindow() == window ? 1 : 0);
    }
    // The test closes the saver; meanwhile this window keeps answering its messages.
    while (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        PumpFor(50);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    PumpFor(500);
    Say("AFTER %d %lu", GetForegroundWindow() == window ? 1 : 0, exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DestroyWindow(window);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "window-info") {
        return WindowInfo();
    }
    if (argc >= 7 && std::string(argv[1]) == "preview") {
        return Preview(std::atoi(argv[2]), std::atoi(argv[3]), argv[4], argv[5],
                       static_cast<DWORD>(std::strtoul(argv[6], nullptr, 10)));
    }
    if (argc >= 3 && std::string(argv[1]) == "foreground") {
        return Foreground(argv[2],
                          argc >= 4 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 0);
    }
    if (argc >= 3 && std::string(argv[1]) == "still-moves") {
        return StillMoves(std::atoi(argv[2]));
    }
    std::fprintf(stderr,
                 "usage: e2e_host window-info | preview W H saver form hold-ms | foreground saver "
                 "[steal-after-ms] | still-moves count\n");
    return 2;
}
