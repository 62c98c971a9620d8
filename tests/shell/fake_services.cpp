#include "fake_services.hpp"

#include <algorithm>
#include <new>

namespace mr::testing {

namespace {

std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return "0x" + text;
}

}  // namespace

std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (const char16_t unit : text) {
        narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return narrow;
}

LocalMoment At(int hour, int minute, int second) {
    return LocalMoment{2026, 12, 8, hour, minute, second};
}

void FakeServices::Record(std::string call) {
    calls.push_back(std::move(call));
    if (!throwAt.empty() && calls.back().starts_with(throwAt)) {
        throw std::bad_alloc();
    }
}

std::vector<std::string> FakeServices::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&](const std::string& call) { return call.starts_with(prefix); });
    return found;
}

void FakeServices::RegisterWindowClass(const WindowClassFields& fields) {
    classes.push_back(fields);
    Record("RegisterWindowClass(" + Narrow(fields.className) + ")");
}

WindowHandle FakeServices::CreateWindowExW(const WindowCreation& creation) {
    creations.push_back(creation);
    WindowHandle window = createdWindow;
    if (creation.className != u"MyPelmarScreenSaverClass") {
        window = nextCoverWindow;
        nextCoverWindow += 0x10;
    }
    // Like the system, a new visible top-level window comes to the front.
    if (window != 0 && creation.parent == 0) {
        foregroundWindow = window;
    }
    Record("CreateWindowExW(parent " + Hex(creation.parent) + ") -> " + Hex(window));
    return window;
}

void FakeServices::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                                std::int32_t y, std::int32_t cx, std::int32_t cy,
                                std::uint32_t flags) {
    Record("SetWindowPos(" + Hex(window) + ", " + Hex(insertAfter) + ", " + std::to_string(x) +
           ", " + std::to_string(y) + ", " + std::to_string(cx) + ", " + std::to_string(cy) + ", " +
           Hex(flags) + ")");
}

bool FakeServices::IsWindow(WindowHandle window) {
    const bool answer = windows.contains(window);
    Record("IsWindow(" + Hex(window) + ") -> " + (answer ? "true" : "false"));
    return answer;
}

void FakeServices::SetFocus(WindowHandle window) {
    Record("SetFocus(" + Hex(window) + ")");
}

std::intptr_t FakeServices::DefWindowProcW(WindowHandle window, std::uint32_t message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
    Record("DefWindowProcW(" + Hex(window) + ", " + Hex(message) + ", " + Hex(wParam) + ", " +
           std::to_string(lParam) + ")");
    return 0x5A;
}

std::vector<WindowRect> FakeServices::EnumDisplayMonitors() {
    Record("EnumDisplayMonitors -> " + std::to_string(monitors.size()));
    return monitors;
}

std::int32_t FakeServices::GetMessageW() {
    const std::int32_t answer = messageIndex_ < messages.size() ? messages[messageIndex_++] : 0;
    Record("GetMessageW -> " + std::to_string(answer));
    return answer;
}

void FakeServices::TranslateMessage() {
    Record("TranslateMessage");
}

void FakeServices::DispatchMessageW() {
    Record("DispatchMessageW");
    ++dispatches_;
    if (onDispatch) {
        onDispatch(dispatches_);
    }
}

void FakeServices::PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    Record("PostMessageW(" + Hex(window) + ", " + Hex(message) + ", " + std::to_string(wParam) +
           ", " + std::to_string(lParam) + ")");
}

void FakeServices::PostQuitMessage(std::int32_t exitCode) {
    Record("PostQuitMessage(" + std::to_string(exitCode) + ")");
}

void FakeServices::PostThreadMessageW(std::uint32_t thread, std::uint32_t message,
                                      std::uintptr_t wParam, std::intptr_t lParam) {
    Record("PostThreadMessageW(" + Hex(thread) + ", " + Hex(message) + ", " +
           std::to_string(wParam) + ", " + std::to_string(lParam) + ")");
}

void FakeServices::ShowWindow(WindowHandle window, std::int32_t command) {
    Record("ShowWindow(" + Hex(window) + ", " + std::to_string(command) + ")");
}

void FakeServices::UpdateWindow(WindowHandle window) {
    Record("UpdateWindow(" + Hex(window) + ")");
}

void FakeServices::InvalidateRect(WindowHandle window, bool erase) {
    Record("InvalidateRect(" + Hex(window) + ", " + (erase ? "TRUE" : "FALSE") + ")");
}

void FakeServices::PaintWindow(WindowHandle window, const SceneInputs& inputs) {
    paints.emplace_back(window, inputs);
    Record("PaintWindow(" + Hex(window) + ")");
}

void FakeServices::PaintBackground(WindowHandle window) {
    Record("PaintBackground(" + Hex(window) + ")");
}

WindowRect FakeServices::GetWindowRect(WindowHandle window) {
    Record("GetWindowRect(" + Hex(window) + ")");
    const auto found = windowRects.find(window);
    return found == windowRects.end() ? WindowRect{} : found->second;
}

std::uint32_t FakeServices::GetDpiForWindow(WindowHandle window) {
    dpiQueries.push_back("GetDpiForWindow(" + Hex(window) + ")");
    return windowDpi;
}

std::uint32_t FakeServices::GetDpiForMonitor(WindowHandle window) {
    dpiQueries.push_back("GetDpiForMonitor(" + Hex(window) + ")");
    return monitorDpi;
}

std::uint32_t FakeServices::GetDeviceCapsDpi(WindowHandle window) {
    dpiQueries.push_back("GetDeviceCapsDpi(" + Hex(window) + ")");
    return deviceCapsDpi;
}

DpiAwarenessContext FakeServices::GetWindowDpiAwarenessContext(WindowHandle window) {
    const auto found = awareness.find(window);
    const DpiAwarenessContext context = found == awareness.end() ? 0 : found->second;
    Record("GetWindowDpiAwarenessContext(" + Hex(window) + ") -> " + Hex(context));
    return context;
}

void FakeServices::SetThreadDpiAwarenessContext(DpiAwarenessContext context) {
    Record("SetThreadDpiAwarenessContext(" + Hex(context) + ")");
}

std::optional<PixelPoint> FakeServices::GetCursorPos() {
    Record("GetCursorPos");
    return cursor;
}

std::optional<PixelPoint> FakeServices::ClientToScreen(WindowHandle window, PixelPoint client) {
    Record("ClientToScreen(" + Hex(window) + ")");
    const auto found = clientOrigins.find(window);
    const PixelPoint origin = found == clientOrigins.end() ? PixelPoint{} : found->second;
    return PixelPoint{origin.x + client.x, origin.y + client.y};
}

WindowHandle FakeServices::GetDesktopWindow() {
    Record("GetDesktopWindow -> " + Hex(desktopWindow));
    return desktopWindow;
}

WindowHandle FakeServices::GetForegroundWindow() {
    Record("GetForegroundWindow -> " + Hex(foregroundWindow));
    return foregroundWindow;
}

void FakeServices::SetForegroundWindow(WindowHandle window) {
    foregroundWindow = window;
    Record("SetForegroundWindow(" + Hex(window) + ")");
}

std::int32_t FakeServices::ShowCursor(bool show) {
    cursorCount += show ? 1 : -1;
    Record(std::string("ShowCursor(") + (show ? "TRUE" : "FALSE") + ") -> " +
           std::to_string(cursorCount));
    return cursorCount;
}

void FakeServices::SystemParametersInfoW(std::uint32_t action, std::uint32_t uiParam,
                                         std::int32_t* previousState, std::uint32_t winIni) {
    Record("SystemParametersInfoW(" + std::to_string(action) + ", " + std::to_string(uiParam) +
           ", " + (previousState != nullptr ? "&state" : "null") + ", " + std::to_string(winIni) +
           ")");
}

bool FakeServices::CreateThread(ThreadStart start) {
    if (threadStarts) {
        threads.push_back(start);
    }
    Record(threadStarts ? "CreateThread" : "CreateThread -> failed");
    return threadStarts;
}

void FakeServices::Sleep(std::uint32_t milliseconds) {
    Record("Sleep(" + std::to_string(milliseconds) + ")");
    ++sleeps;
    if (afterSleep) {
        afterSleep(sleeps);
    }
}

std::uint32_t FakeServices::GetCurrentThreadId() {
    Record("GetCurrentThreadId -> " + Hex(currentThread));
    return currentThread;
}

LocalMoment FakeServices::GetLocalTime() {
    LocalMoment moment{};
    if (!clock.empty()) {
        moment = clock[std::min(clockIndex_, clock.size() - 1)];
        ++clockIndex_;
    }
    Record("GetLocalTime -> " + std::to_string(moment.minute) + ":" +
           std::to_string(moment.second));
    return moment;
}

std::u16string FakeServices::GetSystemDirectoryW() {
    Record("GetSystemDirectoryW");
    return systemDirectory;
}

ModuleHandle FakeServices::LoadLibraryW(std::u16string_view path) {
    loadedPaths.emplace_back(path);
    const auto found = libraries.find(std::u16string(path));
    const ModuleHandle module = found == libraries.end() ? 0 : found->second;
    Record("LoadLibraryW(" + Narrow(path) + ") -> " + Hex(module));
    return module;
}

ProcAddress FakeServices::GetProcAddress(ModuleHandle module, const char* name) {
    const auto found = exports.find({module, name});
    const ProcAddress function = found == exports.end() ? 0 : found->second;
    Record("GetProcAddress(" + Hex(module) + ", " + name + ") -> " + Hex(function));
    return function;
}

void FakeServices::FreeLibrary(ModuleHandle module) {
    Record("FreeLibrary(" + Hex(module) + ")");
}

std::int32_t FakeServices::CallVerifyScreenSavePwd(ProcAddress function, WindowHandle owner) {
    Record("VerifyScreenSavePwd@" + Hex(function) + "(" + Hex(owner) + ") -> " +
           std::to_string(verifyAnswer));
    if (duringVerify) {
        duringVerify();
    }
    return verifyAnswer;
}

std::uint32_t FakeServices::CallPwdChangePasswordA(ProcAddress function, const char* keyName,
                                                   WindowHandle owner, std::uint32_t reserved1,
                                                   std::uint32_t reserved2) {
    // Up to and including the terminating zero, to see exactly which bytes arrive.
    changePasswordKeyName.assign(keyName, std::char_traits<char>::length(keyName) + 1);
    Record("PwdChangePasswordA@" + Hex(function) + "(" + keyName + ", " + Hex(owner) + ", " +
           std::to_string(reserved1) + ", " + std::to_string(reserved2) + ")");
    return 0;
}

std::int32_t FakeServices::RegOpenCurrentUserKey(std::u16string_view subKey, std::uint32_t options,
                                                 std::uint32_t access, RegistryKey& key) {
    key = openKeyResult == 0 ? 0x7700 : 0;
    Record("RegOpenKeyExW(HKCU, " + Narrow(subKey) + ", " + std::to_string(options) + ", " +
           Hex(access) + ") -> " + std::to_string(openKeyResult));
    return openKeyResult;
}

std::int32_t FakeServices::RegQueryValueExW(RegistryKey key, std::u16string_view name,
                                            std::span<std::uint8_t> buffer, std::uint32_t& size) {
    std::int32_t result = win::kErrorSuccess;
    const std::uint32_t offered = size;
    if (!passwordValue || name != u"ScreenSaveUsePassword") {
        result = kErrorFileNotFound;
    } else {
        const std::vector<std::uint8_t>& bytes = *passwordValue;
        // Like the system, a value too long for the buffer may leave part of itself behind.
        const std::size_t written = std::min({bytes.size(), buffer.size(), std::size_t{offered}});
        std::copy_n(bytes.begin(), written, buffer.begin());
        size = static_cast<std::uint32_t>(bytes.size());
        result = bytes.size() > offered ? kErrorMoreData : win::kErrorSuccess;
    }
    Record("RegQueryValueExW(" + Hex(key) + ", " + Narrow(name) + ", size " +
           std::to_string(offered) + ") -> " + std::to_string(result));
    return result;
}

void FakeServices::RegCloseKey(RegistryKey key) {
    Record("RegCloseKey(" + Hex(key) + ")");
}

std::int32_t FakeServices::GetLocaleInfoW(std::uint32_t locale, std::uint32_t type,
                                          std::span<char16_t> buffer) {
    std::int32_t result = 0;
    const auto found = localeAnswers.find(type);
    // The system fails, writing nothing useful, when the answer and its zero do not fit.
    if (found != localeAnswers.end() && found->second.size() < buffer.size()) {
        std::copy(found->second.begin(), found->second.end(), buffer.begin());
        buffer[found->second.size()] = u'\0';
        result = static_cast<std::int32_t>(found->second.size() + 1);
    }
    Record("GetLocaleInfoW(" + Hex(locale) + ", " + Hex(type) + ", " +
           std::to_string(buffer.size()) + ") -> " + std::to_string(result));
    return result;
}

void FakeServices::SetThreadLocale(std::uint32_t locale) {
    threadLocale = locale == win::kLocaleUserDefault ? 0x0419 : locale;
    Record("SetThreadLocale(" + Hex(locale) + ")");
}

std::uint32_t FakeServices::GetThreadLocale() {
    Record("GetThreadLocale -> " + Hex(threadLocale));
    return threadLocale;
}

}  // namespace mr::testing
