// The real Windows services against the system they run on (Wine under ctest): the answers the
// shell's logic relies on, and which the fake in the other tests imitates.
#include "shell/win32_services.hpp"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "shell/locale_queries.hpp"
#include "shell/password_hooks.hpp"

namespace mr {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\MemoryRhythmsTests";

class RealServices : public ::testing::Test {
protected:
    Win32Services services{&::DefWindowProcW};
    SaverState state;
    Shell shell{services, state};
};

TEST_F(RealServices, LanguageOfTheSystemDefaultLocale) {
    // Set by the ctest entries that start the test under a chosen LANG.
    const char* expected = std::getenv("MR_EXPECTED_LANGUAGE");
    if (expected == nullptr) {
        GTEST_SKIP() << "no MR_EXPECTED_LANGUAGE";
    }
    SelectUiLanguage(shell);
    EXPECT_EQ(state.uiLanguage.load(),
              std::string(expected) == "Russian" ? UiLanguage::Russian : UiLanguage::English);
}

TEST_F(RealServices, EnglishLanguageNameFitsTheOfferedBuffer) {
    std::array<char16_t, 19> name{};
    const std::int32_t result =
        services.GetLocaleInfoW(win::kLocaleSystemDefault, win::kLocaleSEnglishLanguage, name);
    ASSERT_GT(result, 1);
    EXPECT_EQ(LocaleAnswer(result, name).size() + 1, static_cast<std::size_t>(result));
    // One unit short of the name and its terminator fails, as the language choice expects.
    std::vector<char16_t> tooShort(static_cast<std::size_t>(result - 1));
    EXPECT_EQ(
        services.GetLocaleInfoW(win::kLocaleSystemDefault, win::kLocaleSEnglishLanguage, tooShort),
        0);
}

TEST_F(RealServices, TimeSeparatorOfTheUsersLocaleIsOneCharacter) {
    state.timeSeparator = u'\0';
    SetUpThreadLocale(shell);
    EXPECT_NE(state.timeSeparator.load(), u'\0');
    EXPECT_EQ(services.GetThreadLocale(), ::GetUserDefaultLCID());
}

TEST(WindowHandles, WidenAndNarrowAsWindowsDoes) {
    struct Case {
        WindowHandle handle;
        HWND hwnd;
    } const cases[] = {
        {0, nullptr},
        {0x4D2, static_cast<HWND>(LongToHandle(0x4D2))},
        {0x7FFFFFFF, static_cast<HWND>(LongToHandle(0x7FFFFFFF))},
        {0x800004D2, static_cast<HWND>(LongToHandle(static_cast<LONG>(0x800004D2U)))},
        {win::kHwndTopmost, HWND_TOPMOST},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToHwnd(c.handle), c.hwnd) << std::hex << c.handle;
        EXPECT_EQ(FromHwnd(c.hwnd), c.handle) << std::hex << c.handle;
    }
}

TEST_F(RealServices, SystemLibrariesLoadByFullPath) {
    const std::u16string directory = services.GetSystemDirectoryW();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), u'\\');
    const ModuleHandle router = services.LoadLibraryW(SystemLibraryPath(directory, u"MPR.DLL"));
    ASSERT_GT(router, 32U);
    EXPECT_NE(services.GetProcAddress(router, "PwdChangePasswordA"), 0U);
    EXPECT_EQ(services.GetProcAddress(router, "NoSuchFunctionHere"), 0U);
    services.FreeLibrary(router);
    EXPECT_EQ(services.LoadLibraryW(SystemLibraryPath(directory, u"NO-SUCH-LIBRARY.DLL")), 0U);
}

// Values of every kind that the password setting might hold, written to a key of the tests' own
// and read back through the services exactly as the check reads "ScreenSaveUsePassword".
TEST_F(RealServices, RegistryValuesReadAsTheCheckReadsThem) {
    HKEY created = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &created, nullptr),
              ERROR_SUCCESS);
    struct Value {
        const wchar_t* name;
        DWORD type;
        std::vector<BYTE> data;
        std::int32_t result;
        bool inUse;
    } const values[] = {
        {L"Dword1", REG_DWORD, {1, 0, 0, 0}, win::kErrorSuccess, true},
        {L"Dword0", REG_DWORD, {0, 0, 0, 0}, win::kErrorSuccess, false},
        {L"String0", REG_SZ, {'0', 0, 0, 0}, win::kErrorSuccess, true},
        {L"String10", REG_SZ, {'1', 0, '0', 0, 0, 0}, ERROR_MORE_DATA, false},
        {L"Binary2", REG_BINARY, {2, 0}, win::kErrorSuccess, true},
        {L"Binary5", REG_BINARY, {1, 0, 0, 0, 0}, ERROR_MORE_DATA, false},
        {L"Negative", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, win::kErrorSuccess, false},
    };
    for (const Value& value : values) {
        ASSERT_EQ(::RegSetValueExW(created, value.name, 0, value.type, value.data.data(),
                                   static_cast<DWORD>(value.data.size())),
                  ERROR_SUCCESS);
    }
    ::RegCloseKey(created);

    RegistryKey key = 0;
    ASSERT_EQ(
        services.RegOpenCurrentUserKey(u"Software\\MemoryRhythmsTests", 0, win::kKeyRead, key),
        win::kErrorSuccess);
    for (const Value& value : values) {
        const std::wstring wide(value.name);
        const std::u16string name(wide.begin(), wide.end());
        std::array<std::uint8_t, 4> bytes{};
        std::uint32_t size = 4;
        const std::int32_t result = services.RegQueryValueExW(key, name, bytes, size);
        EXPECT_EQ(result, value.result) << std::string(name.begin(), name.end());
        EXPECT_EQ(size, value.data.size()) << std::string(name.begin(), name.end());
        EXPECT_EQ(PasswordInUse(result, bytes), value.inUse)
            << std::string(name.begin(), name.end());
    }
    // A size larger than the buffer is not believed: the system is offered the buffer only, and
    // the bytes beyond it stay untouched.
    std::array<std::uint8_t, 8> guarded{0, 0, 0, 0, 0xAA, 0xAA, 0xAA, 0xAA};
    std::uint32_t claimed = 8;
    EXPECT_EQ(services.RegQueryValueExW(key, u"Binary5", std::span(guarded).first(4), claimed),
              ERROR_MORE_DATA);
    EXPECT_EQ(guarded[4], 0xAA);
    std::array<std::uint8_t, 4> bytes{};
    std::uint32_t size = 4;
    EXPECT_EQ(services.RegQueryValueExW(key, u"Missing", bytes, size), ERROR_FILE_NOT_FOUND);
    services.RegCloseKey(key);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
}

std::atomic<int> threadRuns{0};

std::uint32_t CountRun(void* parameter) {
    threadRuns += *static_cast<int*>(parameter);
    return 0;
}

TEST_F(RealServices, ThreadsClockAndDesktop) {
    int step = 5;
    ASSERT_TRUE(services.CreateThread(ThreadStart{&CountRun, &step}));
    for (int i = 0; i < 500 && threadRuns == 0; ++i) {
        services.Sleep(10);
    }
    EXPECT_EQ(threadRuns.load(), 5);

    const LocalMoment now = services.GetLocalTime();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_LE(now.second, 59);

    const WindowRect desktop = services.GetWindowRect(services.GetDesktopWindow());
    EXPECT_EQ(RectWidth(desktop), ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(RectHeight(desktop), ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(services.IsWindow(0));
    EXPECT_TRUE(services.IsWindow(services.GetDesktopWindow()));
}

}  // namespace
}  // namespace mr
