#include "shell/password_hooks.hpp"

#include <span>

#include "shell/scope_exit.hpp"

namespace mr {

namespace {

constexpr std::u16string_view kDesktopKey = u"Control Panel\\Desktop";
constexpr std::u16string_view kUsePasswordValue = u"ScreenSaveUsePassword";
constexpr std::u16string_view kPasswordLibrary = u"PASSWORD.CPL";
constexpr std::u16string_view kRouterLibrary = u"MPR.DLL";

// Loads a system library by its full path; a load that failed, or was never tried because the
// system directory is unknown, gives 0.
ModuleHandle LoadSystemLibrary(WindowsServices& services, std::u16string_view file) {
    const std::u16string path = SystemLibraryPath(services.GetSystemDirectoryW(), file);
    return path.empty() ? 0 : services.LoadLibraryW(path);
}

}  // namespace

bool PasswordInUse(std::int32_t queryResult, const std::array<std::uint8_t, 4>& bytes) {
    if (queryResult != win::kErrorSuccess) {
        return false;
    }
    const std::uint32_t raw =
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(raw) > 0;
}

std::u16string SystemLibraryPath(std::u16string_view systemDirectory, std::u16string_view file) {
    if (systemDirectory.empty()) {
        return {};
    }
    std::u16string path(systemDirectory);
    if (path.back() != u'\\') {
        path.push_back(u'\\');
    }
    path.append(file);
    return path;
}

namespace {

// The check itself; CheckSaverPassword guards it. Every step it takes (the key, the library, the
// shown cursor) is undone on every way out, in the reverse order.
bool RunPasswordCheck(Shell& shell) {
    WindowsServices& services = shell.services;
    RegistryKey key = 0;
    if (services.RegOpenCurrentUserKey(kDesktopKey, 0, win::kKeyRead, key) != win::kErrorSuccess) {
        return true;
    }
    const AtScopeExit closeKey([&] { services.RegCloseKey(key); });
    // Zero-filled first: a value shorter than four bytes reads as its own bytes.
    std::array<std::uint8_t, 4> bytes{};
    std::uint32_t size = 4;
    const std::int32_t queried =
        services.RegQueryValueExW(key, kUsePasswordValue, std::span<std::uint8_t>(bytes), size);
    if (!PasswordInUse(queried, bytes)) {
        return true;
    }
    const ModuleHandle library = LoadSystemLibrary(services, kPasswordLibrary);
    // Values up to 32 are the error codes of the old loader; none is a module.
    if (library <= 32) {
        return true;
    }
    const AtScopeExit freeLibrary([&] { services.FreeLibrary(library); });
    const ProcAddress verify = services.GetProcAddress(library, "VerifyScreenSavePwd");
    services.ShowCursor(true);
    const AtScopeExit hideCursor([&] {
        services.ShowCursor(false);
        // After the dialog, two stray mouse events must not bring it straight back.
        shell.state.inputTolerance = 3;
    });
    return verify == 0 || services.CallVerifyScreenSavePwd(verify, shell.state.saverWindow) != 0;
}

}  // namespace

bool CheckSaverPassword(Shell& shell) noexcept {
    try {
        return RunPasswordCheck(shell);
    } catch (...) {
        // A check that could not be finished (out of memory, say) has not let anybody in.
        return false;
    }
}

WindowHandle ReadDecimalHandle(std::u16string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (negative) {
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10U + static_cast<std::uint32_t>(text[i] - u'0');
    }
    return negative ? 0U - value : value;
}

void RunChangePassword(WindowsServices& services, std::u16string_view ownerText) {
    const ModuleHandle library = LoadSystemLibrary(services, kRouterLibrary);
    if (library == 0) {
        return;
    }
    const ProcAddress change = services.GetProcAddress(library, "PwdChangePasswordA");
    if (change != 0) {
        services.CallPwdChangePasswordA(change, "SCRSAVE", ReadDecimalHandle(ownerText), 0, 0);
    }
    services.FreeLibrary(library);
}

}  // namespace mr
