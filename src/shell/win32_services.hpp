// The Windows services on the real system: each operation is the system call of its name.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "shell/windows_services.hpp"

namespace mr {

// The program's 32-bit window handles as the system's HWND and back (see WidenWindowHandle).
inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(WidenWindowHandle(window));
}
inline WindowHandle FromHwnd(HWND window) {
    return NarrowWindowHandle(reinterpret_cast<std::intptr_t>(window));
}

class Win32Services final : public WindowsServices {
public:
    // windowProcedure: the saver window's procedure, given to the class at registration.
    explicit constexpr Win32Services(WNDPROC windowProcedure) : windowProcedure_(windowProcedure) {}

    void RegisterWindowClass(const WindowClassFields& fields) override;
    WindowHandle CreateWindowExW(const WindowCreation& creation) override;
    void SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                      std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
    bool IsWindow(WindowHandle window) override;
    void SetFocus(WindowHandle window) override;
    std::intptr_t DefWindowProcW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) override;
    std::vector<WindowRect> EnumDisplayMonitors() override;
    std::int32_t GetMessageW() override;
    void TranslateMessage() override;
    void DispatchMessageW() override;
    void PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    void PostQuitMessage(std::int32_t exitCode) override;
    void PostThreadMessageW(std::uint32_t thread, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
    void ShowWindow(WindowHandle window, std::int32_t command) override;
    void UpdateWindow(WindowHandle window) override;
    void InvalidateRect(WindowHandle window, bool erase) override;
    void PaintWindow(WindowHandle window, const SceneInputs& inputs) override;
    void PaintBackground(WindowHandle window) override;
    WindowRect GetWindowRect(WindowHandle window) override;
    std::uint32_t GetDpiForWindow(WindowHandle window) override;
    std::uint32_t GetDpiForMonitor(WindowHandle window) override;
    std::uint32_t GetDeviceCapsDpi(WindowHandle window) override;
    DpiAwarenessContext GetWindowDpiAwarenessContext(WindowHandle window) override;
    void SetThreadDpiAwarenessContext(DpiAwarenessContext context) override;
    std::optional<PixelPoint> GetCursorPos() override;
    std::optional<PixelPoint> ClientToScreen(WindowHandle window, PixelPoint client) override;
    WindowHandle GetDesktopWindow() override;
    WindowHandle GetForegroundWindow() override;
    void SetForegroundWindow(WindowHandle window) override;
    std::int32_t ShowCursor(bool show) override;
    void SystemParametersInfoW(std::uint32_t action, std::uint32_t uiParam,
                               std::int32_t* previousState, std::uint32_t winIni) override;
    bool CreateThread(ThreadStart start) override;
    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t GetCurrentThreadId() override;
    LocalMoment GetLocalTime() override;
    std::u16string GetSystemDirectoryW() override;
    ModuleHandle LoadLibraryW(std::u16string_view path) override;
    ProcAddress GetProcAddress(ModuleHandle module, const char* name) override;
    void FreeLibrary(ModuleHandle module) override;
    std::int32_t CallVerifyScreenSavePwd(ProcAddress function, WindowHandle owner) override;
    std::uint32_t CallPwdChangePasswordA(ProcAddress function, const char* keyName,
                                         WindowHandle owner, std::uint32_t reserved1,
                                         std::uint32_t reserved2) override;
    std::int32_t RegOpenCurrentUserKey(std::u16string_view subKey, std::uint32_t options,
                                       std::uint32_t access, RegistryKey& key) override;
    std::int32_t RegQueryValueExW(RegistryKey key, std::u16string_view name,
                                  std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    void RegCloseKey(RegistryKey key) override;
    std::int32_t GetLocaleInfoW(std::uint32_t locale, std::uint32_t type,
                                std::span<char16_t> buffer) override;
    void SetThreadLocale(std::uint32_t locale) override;
    std::uint32_t GetThreadLocale() override;

private:
    WNDPROC windowProcedure_;
    // The main thread's current message, between GetMessageW and DispatchMessageW.
    MSG message_{};
};

}  // namespace mr
