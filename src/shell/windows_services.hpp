// The Windows services the saver shell calls, behind one thin interface. The real implementation
// (Win32Services) forwards every operation to the system call of the same name, PaintWindow
// alone excepted (see there); the tests' fake scripts the answers and records the calls.
// Portable: handles are plain integers and no windows.h is needed, so the shell's logic is built
// and tested on any host.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/moment.hpp"
#include "render/scene_inputs.hpp"

namespace mr {

// Window handles are 32-bit values on the saver's platform; 0 is the null window.
using WindowHandle = std::uint32_t;

// 64-bit Windows keeps every window handle within 32 significant bits, so that 32- and 64-bit
// programs can hand windows to each other, and widens one to a pointer-sized HWND the way
// HandleToLong and LongToHandle do: by sign extension. So HWND_TOPMOST, -1, stays -1, and a
// handle at or above 0x80000000 becomes the negative value Windows gave it. Narrowing keeps the
// low 32 bits. On 32-bit Windows both are the identity.
constexpr std::intptr_t WidenWindowHandle(WindowHandle window) {
    return static_cast<std::int32_t>(window);
}
constexpr WindowHandle NarrowWindowHandle(std::intptr_t window) {
    return static_cast<WindowHandle>(static_cast<std::uintptr_t>(window));
}
// A loaded library, a registry key, an exported function: opaque, 0 when missing.
using ModuleHandle = std::uintptr_t;
using RegistryKey = std::uintptr_t;
using ProcAddress = std::uintptr_t;
// A DPI_AWARENESS_CONTEXT: opaque, compared only by the system; 0 where the system has none.
using DpiAwarenessContext = std::uintptr_t;

// The Win32 values the shell passes through the seam, spelled out so that the portable code and
// the tests need no windows.h.
namespace win {
inline constexpr std::uint32_t kWmDestroy = 0x0002;
inline constexpr std::uint32_t kWmPaint = 0x000F;
inline constexpr std::uint32_t kWmQueryEndSession = 0x0011;
inline constexpr std::uint32_t kWmQuit = 0x0012;
inline constexpr std::uint32_t kWmActivateApp = 0x001C;
inline constexpr std::uint32_t kWmNcCreate = 0x0081;
inline constexpr std::uint32_t kWmNcHitTest = 0x0084;
inline constexpr std::intptr_t kHtClient = 1;
inline constexpr std::uint32_t kWmNcActivate = 0x0086;
inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmSysKeyDown = 0x0104;
inline constexpr std::uint32_t kWmSysCommand = 0x0112;
// The system command's own bits; the low four are the system's.
inline constexpr std::uintptr_t kScCommandMask = 0xFFF0;
inline constexpr std::uintptr_t kScMonitorPower = 0xF170;
inline constexpr std::uint32_t kWmMouseMove = 0x0200;
inline constexpr std::uint32_t kWmLButtonDown = 0x0201;
inline constexpr std::uint32_t kWmRButtonDown = 0x0204;
inline constexpr std::uint32_t kWmMButtonDown = 0x0207;
inline constexpr std::uint32_t kWmDpiChanged = 0x02E0;

inline constexpr std::uint32_t kCsParentDc = 0x0080;
inline constexpr std::uint32_t kWsPopup = 0x80000000;
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsDisabled = 0x08000000;
// WS_EX_TOPMOST | WS_EX_TOOLWINDOW: above every window that is not topmost, and no taskbar
// button or Alt+Tab entry of its own.
inline constexpr std::uint32_t kWsExTopmostTool = 0x00000088;
// HWND_TOPMOST is the handle value -1.
inline constexpr WindowHandle kHwndTopmost = 0xFFFFFFFF;
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW.
inline constexpr std::uint32_t kSwpKeepPlaceQuietly = 0x000B;
inline constexpr std::int32_t kSwShow = 5;
inline constexpr std::uint32_t kSpiSetScreenSaverRunning = 97;

inline constexpr std::uint32_t kLocaleSystemDefault = 0x0800;
inline constexpr std::uint32_t kLocaleUserDefault = 0x0400;
inline constexpr std::uint32_t kLocaleSEnglishLanguage = 0x1001;
inline constexpr std::uint32_t kLocaleSTime = 0x001E;

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::int32_t kErrorSuccess = 0;
}  // namespace win

struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// A point in pixels: on the screen, or in a window's client area.
struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// right - left and bottom - top, wrapping rather than overflowing on absurd rectangles.
inline std::int32_t RectWidth(const WindowRect& rect) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rect.right) -
                                     static_cast<std::uint32_t>(rect.left));
}
inline std::int32_t RectHeight(const WindowRect& rect) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rect.bottom) -
                                     static_cast<std::uint32_t>(rect.top));
}

// The fields of the WNDCLASSW that the caller chooses. The window procedure is the saver's own,
// supplied by the real implementation; instance, icon, menu and extra bytes are always null or 0.
struct WindowClassFields {
    std::uint32_t style = 0;
    std::u16string_view className;
    bool hasCursor = false;
    bool hasBackgroundBrush = false;
};

// The arguments of CreateWindowExW other than the instance (always the program's module), the
// menu and the creation parameter (always null).
struct WindowCreation {
    std::uint32_t exStyle = 0;
    std::u16string_view className;
    std::u16string_view windowName;
    std::uint32_t style = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    WindowHandle parent = 0;
};

// A thread's start routine and its parameter; the real implementation adapts it to the calling
// convention of CreateThread.
struct ThreadStart {
    std::uint32_t (*routine)(void* parameter) = nullptr;
    void* parameter = nullptr;
};

class WindowsServices {
public:
    // Window class and window.
    virtual void RegisterWindowClass(const WindowClassFields& fields) = 0;
    virtual WindowHandle CreateWindowExW(const WindowCreation& creation) = 0;
    virtual void SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                              std::int32_t y, std::int32_t cx, std::int32_t cy,
                              std::uint32_t flags) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    // The keyboard focus, for a window of the calling thread.
    virtual void SetFocus(WindowHandle window) = 0;
    // The default window procedure, for the few messages whose default the system relies on.
    virtual std::intptr_t DefWindowProcW(WindowHandle window, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // The rectangle of every display monitor, in virtual-screen pixels; empty when the call fails.
    virtual std::vector<WindowRect> EnumDisplayMonitors() = 0;

    // The message loop of the calling thread. GetMessageW waits for the next message of any window
    // of the thread and keeps it as the current message; it returns 0 for WM_QUIT (and -1 on
    // error). TranslateMessage and DispatchMessageW act on the current message.
    virtual std::int32_t GetMessageW() = 0;
    virtual void TranslateMessage() = 0;
    virtual void DispatchMessageW() = 0;
    virtual void PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    virtual void PostQuitMessage(std::int32_t exitCode) = 0;
    // Queues a message for a thread rather than a window: it works when no window is left.
    virtual void PostThreadMessageW(std::uint32_t thread, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) = 0;

    // Showing and painting.
    virtual void ShowWindow(WindowHandle window, std::int32_t command) = 0;
    virtual void UpdateWindow(WindowHandle window) = 0;
    // The whole client area (a null rectangle).
    virtual void InvalidateRect(WindowHandle window, bool erase) = 0;
    // Runs the paint cycle on the window's paint DC, BeginPaint to EndPaint, and ends with the
    // window's region validated on every way out. The one operation here that is not a single
    // system call: the paint DC and the GDI surface over it exist only in the real
    // implementation, so painting sits behind the seam with them, and the shell's tests, which
    // have no GDI, see which paints were asked for and with which inputs. That is also why this
    // header knows the scene's inputs.
    virtual void PaintWindow(WindowHandle window, const SceneInputs& inputs) = 0;
    // Fills the window's update region with the dial's background colour, BeginPaint to
    // EndPaint: all there is to draw on a monitor that the dial does not cover.
    virtual void PaintBackground(WindowHandle window) = 0;
    // All zero when the call fails.
    virtual WindowRect GetWindowRect(WindowHandle window) = 0;
    // The three answers to "which DPI is this window drawn at", newest first, each 0 where the
    // system lacks it or cannot say. Those of newer systems are looked up at run time, so that
    // older ones still load the saver. GetDpiForWindow: Windows 10, version 1607 on.
    virtual std::uint32_t GetDpiForWindow(WindowHandle window) = 0;
    // The effective DPI of the monitor the window is on (MonitorFromWindow, nearest; then
    // shcore.dll's GetDpiForMonitor, MDT_EFFECTIVE_DPI): Windows 8.1 on.
    virtual std::uint32_t GetDpiForMonitor(WindowHandle window) = 0;
    // GetDeviceCaps(LOGPIXELSX) of the window's DC: the system DPI, fixed at sign-in.
    virtual std::uint32_t GetDeviceCapsDpi(WindowHandle window) = 0;
    // Per-window DPI awareness, Windows 10 version 1607 on: a window's context (0 where the
    // system has none), and the calling thread's set to a context, for the windows it creates
    // and the sizes and positions it reads from then on.
    virtual DpiAwarenessContext GetWindowDpiAwarenessContext(WindowHandle window) = 0;
    virtual void SetThreadDpiAwarenessContext(DpiAwarenessContext context) = 0;
    // Where the cursor is, and a point of a window's client area on the screen; none when the
    // call fails.
    virtual std::optional<PixelPoint> GetCursorPos() = 0;
    virtual std::optional<PixelPoint> ClientToScreen(WindowHandle window, PixelPoint point) = 0;
    virtual WindowHandle GetDesktopWindow() = 0;
    virtual WindowHandle GetForegroundWindow() = 0;
    virtual void SetForegroundWindow(WindowHandle window) = 0;
    // The new display count.
    virtual std::int32_t ShowCursor(bool show) = 0;
    virtual void SystemParametersInfoW(std::uint32_t action, std::uint32_t uiParam,
                                       std::int32_t* previousState, std::uint32_t winIni) = 0;

    // Kernel.
    virtual bool CreateThread(ThreadStart start) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    virtual std::uint32_t GetCurrentThreadId() = 0;
    virtual LocalMoment GetLocalTime() = 0;
    // The system directory without a trailing separator; empty when it cannot be read.
    virtual std::u16string GetSystemDirectoryW() = 0;
    virtual ModuleHandle LoadLibraryW(std::u16string_view path) = 0;
    virtual ProcAddress GetProcAddress(ModuleHandle module, const char* name) = 0;
    virtual void FreeLibrary(ModuleHandle module) = 0;
    // BOOL VerifyScreenSavePwd(HWND) at the given address.
    virtual std::int32_t CallVerifyScreenSavePwd(ProcAddress function, WindowHandle owner) = 0;
    // DWORD PwdChangePasswordA(LPCSTR, HWND, DWORD, DWORD) at the given address.
    virtual std::uint32_t CallPwdChangePasswordA(ProcAddress function, const char* keyName,
                                                 WindowHandle owner, std::uint32_t reserved1,
                                                 std::uint32_t reserved2) = 0;

    // Registry, under HKEY_CURRENT_USER only: the saver reads nothing else.
    virtual std::int32_t RegOpenCurrentUserKey(std::u16string_view subKey, std::uint32_t options,
                                               std::uint32_t access, RegistryKey& key) = 0;
    // Into the buffer; size holds the buffer's size on the way in and the
    // value's on the way out. The value's type is not reported: the saver does not look at it.
    virtual std::int32_t RegQueryValueExW(RegistryKey key, std::u16string_view name,
                                          std::span<std::uint8_t> buffer, std::uint32_t& size) = 0;
    virtual void RegCloseKey(RegistryKey key) = 0;

    // Locale. GetLocaleInfoW returns the code units written, the terminator included, 0 on failure.
    virtual std::int32_t GetLocaleInfoW(std::uint32_t locale, std::uint32_t type,
                                        std::span<char16_t> buffer) = 0;
    virtual void SetThreadLocale(std::uint32_t locale) = 0;
    virtual std::uint32_t GetThreadLocale() = 0;

protected:
    // Not virtual, and trivial in the real implementation: the process-wide services object is
    // never torn down while the refresh thread might still call it.
    ~WindowsServices() = default;
};

}  // namespace mr
