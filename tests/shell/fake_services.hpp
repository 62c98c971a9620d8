// Scripted Windows services: every call is recorded, in order, as one line of text, and every
// answer is what the test put into the script beforehand.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/saver_state.hpp"
#include "shell/windows_services.hpp"

namespace mr::testing {

// The registry's answers that the fake gives besides success.
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorMoreData = 234;

class FakeServices final : public WindowsServices {
public:
    // --- the script ---
    WindowHandle foregroundWindow = 0;
    WindowHandle desktopWindow = 0x10010;
    std::map<WindowHandle, WindowRect> windowRects;
    std::set<WindowHandle> windows;       // what IsWindow says yes to
    WindowHandle createdWindow = 0x2002;  // CreateWindowExW's answer for the saver's class
    // The answers of GetDpiForWindow, GetDpiForMonitor and GetDeviceCapsDpi. Queries that change
    // nothing: they are kept in dpiQueries, not among the calls.
    std::uint32_t windowDpi = 96;
    std::uint32_t monitorDpi = 96;
    std::uint32_t deviceCapsDpi = 96;
    // Windows' DPI awareness contexts; 0 (none) for any other.
    std::map<WindowHandle, DpiAwarenessContext> awareness;
    // GetCursorPos's answer, and the screen position of each window's client area; (0, 0) for
    // any other.
    std::optional<PixelPoint> cursor = PixelPoint{500, 400};
    std::map<WindowHandle, PixelPoint> clientOrigins;
    WindowHandle nextCoverWindow = 0x5000;  // for any other class, counting up by 0x10
    // EnumDisplayMonitors' answer; none means the call failed.
    std::vector<WindowRect> monitors;
    std::uint32_t currentThread = 0x77;
    std::int32_t cursorCount = 0;  // the display count before the first ShowCursor
    // GetMessageW answers in turn; 0 (WM_QUIT) once they run out.
    std::vector<std::int32_t> messages;
    // GetLocalTime answers in turn; the last one repeats.
    std::vector<LocalMoment> clock;
    // Called after each Sleep with the number of waits so far.
    std::function<void(int)> afterSleep;
    // Called by each DispatchMessageW with the number of dispatches so far, as the window
    // procedure would run there.
    std::function<void(int)> onDispatch;
    std::u16string systemDirectory = u"C:\\windows\\system32";
    std::map<std::u16string, ModuleHandle> libraries;                     // by full path
    std::map<std::pair<ModuleHandle, std::string>, ProcAddress> exports;  // by module and name
    std::int32_t verifyAnswer = 1;
    // Runs inside the verification call, as the dialog's own message loop would.
    std::function<void()> duringVerify;
    std::int32_t openKeyResult = 0;
    // The stored value's bytes; none means the value does not exist.
    std::optional<std::vector<std::uint8_t>> passwordValue;
    // Locale answers by information type; a missing type fails.
    std::map<std::uint32_t, std::u16string> localeAnswers;
    std::uint32_t threadLocale = 0x0409;
    bool threadStarts = true;  // CreateThread's answer
    // A call whose record starts with this text throws std::bad_alloc once it has been recorded,
    // as an allocation inside the real call would.
    std::string throwAt;

    // --- what happened ---
    std::vector<std::string> calls;
    std::vector<std::string> dpiQueries;
    std::vector<ThreadStart> threads;
    std::vector<std::pair<WindowHandle, SceneInputs>> paints;
    std::vector<WindowCreation> creations;  // the views point into the shell's constants
    std::vector<WindowClassFields> classes;
    std::vector<std::u16string> loadedPaths;
    std::string changePasswordKeyName;
    std::int32_t sleeps = 0;

    // The recorded calls whose text starts with the prefix.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
    std::size_t Count(const std::string& prefix) const { return CallsStartingWith(prefix).size(); }

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
    void Record(std::string call);
    std::size_t clockIndex_ = 0;
    std::size_t messageIndex_ = 0;
    int dispatches_ = 0;
};

// UTF-16 to 8-bit for messages; code units above 0x7F become '?'.
std::string Narrow(std::u16string_view text);

// A moment at the given minute and second of an otherwise fixed day.
LocalMoment At(int hour, int minute, int second);

}  // namespace mr::testing
