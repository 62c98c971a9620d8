#include "shell/win32_services.hpp"

#include <new>
#include <string>

#include "render/gdi_surface.hpp"
#include "render/paint_context.hpp"
#include "render/paint_scene.hpp"
#include "shell/password_hooks.hpp"

namespace mr {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

HMODULE ToModule(ModuleHandle module) {
    return reinterpret_cast<HMODULE>(module);
}

HKEY ToKey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

// The system calls want terminated strings; the views are copied so that any view will do.
std::wstring Terminated(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

DWORD WINAPI ThreadTrampoline(LPVOID parameter) {
    const ThreadStart start = *static_cast<ThreadStart*>(parameter);
    delete static_cast<ThreadStart*>(parameter);
    return start.routine(start.parameter);
}

// Collects each monitor's rectangle; a failure stops the enumeration rather than leave by an
// exception through the system's frames.
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM collected) {
    try {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (::GetMonitorInfoW(monitor, &info) != FALSE) {
            reinterpret_cast<std::vector<WindowRect>*>(collected)->push_back(
                {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                 info.rcMonitor.bottom});
        }
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

// A function of user32 that the program does not import: looked up when called. The import table
// names only what the oldest supported Windows exports, as checked for every build; null where
// the system has no such function.
template <typename Function>
Function UserFunction(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    const FARPROC found = user32 == nullptr ? nullptr : ::GetProcAddress(user32, name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

using VerifyScreenSavePwdFunction = BOOL(WINAPI*)(HWND);
using PwdChangePasswordAFunction = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);

}  // namespace

void Win32Services::RegisterWindowClass(const WindowClassFields& fields) {
    const std::wstring className = Terminated(fields.className);
    WNDCLASSW windowClass{};
    windowClass.style = fields.style;
    windowClass.lpfnWndProc = windowProcedure_;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = fields.hasCursor ? ::LoadCursorW(nullptr, IDC_ARROW) : nullptr;
    windowClass.hbrBackground =
        fields.hasBackgroundBrush ? static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)) : nullptr;
    windowClass.lpszClassName = className.c_str();
    ::RegisterClassW(&windowClass);
}

WindowHandle Win32Services::CreateWindowExW(const WindowCreation& creation) {
    const std::wstring className = Terminated(creation.className);
    const std::wstring windowName = Terminated(creation.windowName);
    return FromHwnd(::CreateWindowExW(creation.exStyle, className.c_str(), windowName.c_str(),
                                      creation.style, creation.x, creation.y, creation.width,
                                      creation.height, ToHwnd(creation.parent), nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr));
}

void Win32Services::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                                 std::int32_t y, std::int32_t cx, std::int32_t cy,
                                 std::uint32_t flags) {
    ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

bool Win32Services::IsWindow(WindowHandle window) {
    return ::IsWindow(ToHwnd(window)) != FALSE;
}

void Win32Services::SetFocus(WindowHandle window) {
    ::SetFocus(ToHwnd(window));
}

std::intptr_t Win32Services::DefWindowProcW(WindowHandle window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam) {
    return ::DefWindowProcW(ToHwnd(window), message, wParam, lParam);
}

std::vector<WindowRect> Win32Services::EnumDisplayMonitors() {
    std::vector<WindowRect> monitors;
    if (::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor,
                              reinterpret_cast<LPARAM>(&monitors)) == FALSE) {
        return {};
    }
    return monitors;
}

std::int32_t Win32Services::GetMessageW() {
    return ::GetMessageW(&message_, nullptr, 0, 0);
}

void Win32Services::TranslateMessage() {
    ::TranslateMessage(&message_);
}

void Win32Services::DispatchMessageW() {
    ::DispatchMessageW(&message_);
}

void Win32Services::PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
    ::PostMessageW(ToHwnd(window), message, wParam, lParam);
}

void Win32Services::PostQuitMessage(std::int32_t exitCode) {
    ::PostQuitMessage(exitCode);
}

void Win32Services::PostThreadMessageW(std::uint32_t thread, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) {
    ::PostThreadMessageW(thread, message, wParam, lParam);
}

void Win32Services::ShowWindow(WindowHandle window, std::int32_t command) {
    ::ShowWindow(ToHwnd(window), command);
}

void Win32Services::UpdateWindow(WindowHandle window) {
    ::UpdateWindow(ToHwnd(window));
}

void Win32Services::InvalidateRect(WindowHandle window, bool erase) {
    ::InvalidateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE);
}

void Win32Services::PaintWindow(WindowHandle window, const SceneInputs& inputs) {
    // Nothing may leave a window procedure by an exception: the system's frames lie in between.
    // The surface ends the paint on every way out.
    try {
        GdiSurface surface(ToHwnd(window), ::GetModuleHandleW(nullptr));
        PaintScene(surface, inputs);
    } catch (...) {
    }
}

void Win32Services::PaintBackground(WindowHandle window) {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(ToHwnd(window), &paint);
    if (dc != nullptr) {
        HBRUSH brush = ::CreateSolidBrush(
            RGB(kBackgroundColour.red, kBackgroundColour.green, kBackgroundColour.blue));
        if (brush != nullptr) {
            ::FillRect(dc, &paint.rcPaint, brush);
            ::DeleteObject(brush);
        }
    }
    // Ends the paint even without a DC, so that the region is validated.
    ::EndPaint(ToHwnd(window), &paint);
}

WindowRect Win32Services::GetWindowRect(WindowHandle window) {
    RECT rect{};
    if (::GetWindowRect(ToHwnd(window), &rect) == FALSE) {
        return {};
    }
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::uint32_t Win32Services::GetDpiForWindow(WindowHandle window) {
    using Function = UINT(WINAPI*)(HWND);
    const auto dpiForWindow = UserFunction<Function>("GetDpiForWindow");
    return dpiForWindow == nullptr ? 0 : dpiForWindow(ToHwnd(window));
}

std::uint32_t Win32Services::GetDpiForMonitor(WindowHandle window) {
    using MonitorFunction = HMONITOR(WINAPI*)(HWND, DWORD);
    using DpiFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose
    const auto monitorFromWindow = UserFunction<MonitorFunction>("MonitorFromWindow");
    const HMONITOR monitor = monitorFromWindow == nullptr
                                 ? nullptr
                                 : monitorFromWindow(ToHwnd(window), MONITOR_DEFAULTTONEAREST);
    const std::u16string directory = GetSystemDirectoryW();
    if (monitor == nullptr || directory.empty()) {
        return 0;
    }
    // By its full path, as every system library the saver loads: never one planted beside it.
    const std::wstring path = Terminated(SystemLibraryPath(directory, u"shcore.dll"));
    const HMODULE shcore = ::LoadLibraryW(path.c_str());
    if (shcore == nullptr) {
        return 0;
    }
    const auto dpiForMonitor = reinterpret_cast<DpiFunction>(
        reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")));
    UINT dpiX = 0;
    UINT dpiY = 0;
    const bool answered =
        dpiForMonitor != nullptr && dpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY) == S_OK;
    ::FreeLibrary(shcore);
    return answered ? dpiX : 0;
}

std::uint32_t Win32Services::GetDeviceCapsDpi(WindowHandle window) {
    HWND handle = ToHwnd(window);
    HDC dc = ::GetDC(handle);
    if (dc == nullptr) {
        return 0;
    }
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
    ::ReleaseDC(handle, dc);
    return dpi > 0 ? static_cast<std::uint32_t>(dpi) : 0;
}

// DPI_AWARENESS_CONTEXT is a handle type that older headers do not declare.
DpiAwarenessContext Win32Services::GetWindowDpiAwarenessContext(WindowHandle window) {
    using Function = HANDLE(WINAPI*)(HWND);
    const auto windowContext = UserFunction<Function>("GetWindowDpiAwarenessContext");
    return windowContext == nullptr
               ? 0
               : reinterpret_cast<DpiAwarenessContext>(windowContext(ToHwnd(window)));
}

void Win32Services::SetThreadDpiAwarenessContext(DpiAwarenessContext context) {
    using Function = HANDLE(WINAPI*)(HANDLE);
    const auto setThreadContext = UserFunction<Function>("SetThreadDpiAwarenessContext");
    if (setThreadContext != nullptr) {
        setThreadContext(reinterpret_cast<HANDLE>(context));
    }
}

std::optional<PixelPoint> Win32Services::GetCursorPos() {
    using Function = BOOL(WINAPI*)(POINT*);
    const auto cursorPos = UserFunction<Function>("GetCursorPos");
    POINT point{};
    if (cursorPos == nullptr || cursorPos(&point) == FALSE) {
        return std::nullopt;
    }
    return PixelPoint{point.x, point.y};
}

std::optional<PixelPoint> Win32Services::ClientToScreen(WindowHandle window, PixelPoint client) {
    using Function = BOOL(WINAPI*)(HWND, POINT*);
    const auto clientToScreen = UserFunction<Function>("ClientToScreen");
    POINT point{client.x, client.y};
    if (clientToScreen == nullptr || clientToScreen(ToHwnd(window), &point) == FALSE) {
        return std::nullopt;
    }
    return PixelPoint{point.x, point.y};
}

WindowHandle Win32Services::GetDesktopWindow() {
    return FromHwnd(::GetDesktopWindow());
}

WindowHandle Win32Services::GetForegroundWindow() {
    return FromHwnd(::GetForegroundWindow());
}

void Win32Services::SetForegroundWindow(WindowHandle window) {
    ::SetForegroundWindow(ToHwnd(window));
}

std::int32_t Win32Services::ShowCursor(bool show) {
    return ::ShowCursor(show ? TRUE : FALSE);
}

void Win32Services::SystemParametersInfoW(std::uint32_t action, std::uint32_t uiParam,
                                          std::int32_t* previousState, std::uint32_t winIni) {
    static_assert(sizeof(BOOL) == sizeof(std::int32_t));
    ::SystemParametersInfoW(action, uiParam, previousState, winIni);
}

bool Win32Services::CreateThread(ThreadStart start) {
    auto* parameter = new (std::nothrow) ThreadStart(start);
    if (parameter == nullptr) {
        return false;
    }
    HANDLE thread = ::CreateThread(nullptr, 0, &ThreadTrampoline, parameter, 0, nullptr);
    if (thread == nullptr) {
        delete parameter;
        return false;
    }
    // The run never waits for the thread; it ends with the process.
    ::CloseHandle(thread);
    return true;
}

void Win32Services::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::uint32_t Win32Services::GetCurrentThreadId() {
    return ::GetCurrentThreadId();
}

LocalMoment Win32Services::GetLocalTime() {
    SYSTEMTIME time{};
    ::GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

std::u16string Win32Services::GetSystemDirectoryW() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryW(buffer, MAX_PATH + 1);
    // 0 is a failure, and a length beyond the buffer is the size it would have needed.
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::u16string(buffer, buffer + length);
}

ModuleHandle Win32Services::LoadLibraryW(std::u16string_view path) {
    const std::wstring terminated = Terminated(path);
    return reinterpret_cast<ModuleHandle>(::LoadLibraryW(terminated.c_str()));
}

ProcAddress Win32Services::GetProcAddress(ModuleHandle module, const char* name) {
    return reinterpret_cast<ProcAddress>(::GetProcAddress(ToModule(module), name));
}

void Win32Services::FreeLibrary(ModuleHandle module) {
    ::FreeLibrary(ToModule(module));
}

std::int32_t Win32Services::CallVerifyScreenSavePwd(ProcAddress function, WindowHandle owner) {
    return reinterpret_cast<VerifyScreenSavePwdFunction>(function)(ToHwnd(owner));
}

std::uint32_t Win32Services::CallPwdChangePasswordA(ProcAddress function, const char* keyName,
                                                    WindowHandle owner, std::uint32_t reserved1,
                                                    std::uint32_t reserved2) {
    return reinterpret_cast<PwdChangePasswordAFunction>(function)(keyName, ToHwnd(owner), reserved1,
                                                                  reserved2);
}

std::int32_t Win32Services::RegOpenCurrentUserKey(std::u16string_view subKey, std::uint32_t options,
                                                  std::uint32_t access, RegistryKey& key) {
    const std::wstring terminated = Terminated(subKey);
    HKEY opened = nullptr;
    const LSTATUS status =
        ::RegOpenKeyExW(HKEY_CURRENT_USER, terminated.c_str(), options, access, &opened);
    key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

std::int32_t Win32Services::RegQueryValueExW(RegistryKey key, std::u16string_view name,
                                             std::span<std::uint8_t> buffer, std::uint32_t& size) {
    const std::wstring terminated = Terminated(name);
    DWORD type = 0;
    // Never more than the buffer holds, whatever the caller says: the system writes up to the
    // size it is given.
    DWORD dataSize = buffer.size() < size ? static_cast<DWORD>(buffer.size()) : size;
    const LSTATUS status = ::RegQueryValueExW(ToKey(key), terminated.c_str(), nullptr, &type,
                                              buffer.data(), &dataSize);
    size = dataSize;
    return status;
}

void Win32Services::RegCloseKey(RegistryKey key) {
    ::RegCloseKey(ToKey(key));
}

std::int32_t Win32Services::GetLocaleInfoW(std::uint32_t locale, std::uint32_t type,
                                           std::span<char16_t> buffer) {
    const int capacity = buffer.size() > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(buffer.size());
    return ::GetLocaleInfoW(locale, type, reinterpret_cast<wchar_t*>(buffer.data()), capacity);
}

void Win32Services::SetThreadLocale(std::uint32_t locale) {
    ::SetThreadLocale(locale);
}

std::uint32_t Win32Services::GetThreadLocale() {
    return ::GetThreadLocale();
}

}  // namespace mr
