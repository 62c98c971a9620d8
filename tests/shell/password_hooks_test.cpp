#include "shell/password_hooks.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_services.hpp"

namespace mr {
namespace {

using testing::FakeServices;
using testing::kErrorFileNotFound;
using testing::kErrorMoreData;
using testing::Narrow;

constexpr ModuleHandle kPasswordModule = 0x6600;
constexpr ProcAddress kVerify = 0x6610;
constexpr WindowHandle kSaver = 0x2002;
const std::u16string kPasswordPath = u"C:\\windows\\system32\\PASSWORD.CPL";

TEST(PasswordInUse, FirstFourBytesSignedLittleEndianAboveZero) {
    struct Case {
        std::int32_t result;
        std::array<std::uint8_t, 4> bytes;
        bool inUse;
    } const cases[] = {
        {0, {1, 0, 0, 0}, true},
        {0, {0, 0, 0, 0}, false},
        {0, {0xFF, 0xFF, 0xFF, 0xFF}, false},  // -1
        {0, {0, 0, 0, 0x80}, false},           // the most negative value
        {0, {0, 0, 0, 1}, true},               // 2^24: the high byte is the last
        {0, {'0', 0, 0, 0}, true},             // the string "0" in UTF-16: 48
        {kErrorFileNotFound, {1, 0, 0, 0}, false},
        {kErrorMoreData, {1, 0, 0, 0}, false},
        {5, {1, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PasswordInUse(c.result, c.bytes), c.inUse)
            << "result " << c.result << " bytes " << int{c.bytes[0]} << "," << int{c.bytes[3]};
    }
}

class PasswordCheck : public ::testing::Test {
protected:
    PasswordCheck() {
        state.saverWindow = kSaver;
        state.inputTolerance = -2;
        services.libraries[kPasswordPath] = kPasswordModule;
        services.exports[{kPasswordModule, "VerifyScreenSavePwd"}] = kVerify;
        services.passwordValue = std::vector<std::uint8_t>{1, 0, 0, 0};
        services.cursorCount = -1;
    }

    FakeServices services;
    SaverState state;
    Shell shell{services, state};
};

TEST_F(PasswordCheck, EveryRowOfTheFailureTable) {
    struct Row {
        const char* situation;
        std::int32_t openResult;
        std::optional<std::vector<std::uint8_t>> value;
        bool libraryPresent;
        bool functionPresent;
        std::int32_t verifyAnswer;
        bool mayClose;
        bool dialogShown;  // cursor shown and hidden, tolerance back at 3, library freed
    } const rows[] = {
        {"key cannot be opened", 2, std::vector<std::uint8_t>{1, 0, 0, 0}, true, true, 0, true,
         false},
        {"value missing", 0, std::nullopt, true, true, 0, true, false},
        {"value longer than 4 bytes", 0, std::vector<std::uint8_t>{1, 0, 0, 0, 0}, true, true, 0,
         true, false},
        {"value 0", 0, std::vector<std::uint8_t>{0, 0, 0, 0}, true, true, 0, true, false},
        {"value negative", 0, std::vector<std::uint8_t>{0xFB, 0xFF, 0xFF, 0xFF}, true, true, 0,
         true, false},
        {"library missing", 0, std::vector<std::uint8_t>{1, 0, 0, 0}, false, true, 0, true, false},
        {"function missing", 0, std::vector<std::uint8_t>{1, 0, 0, 0}, true, false, 0, true, true},
        {"verified", 0, std::vector<std::uint8_t>{1, 0, 0, 0}, true, true, 1, true, true},
        {"verified, any non-zero", 0, std::vector<std::uint8_t>{1, 0, 0, 0}, true, true, -7, true,
         true},
        {"not verified", 0, std::vector<std::uint8_t>{1, 0, 0, 0}, true, true, 0, false, true},
        {"string \"0\" is 48", 0, std::vector<std::uint8_t>{'0', 0, 0, 0}, true, true, 0, false,
         true},
        {"two-byte value reads as its own bytes", 0, std::vector<std::uint8_t>{2, 0}, true, true, 0,
         false, true},
        {"one-byte zero", 0, std::vector<std::uint8_t>{0}, true, true, 0, true, false},
        {"empty value", 0, std::vector<std::uint8_t>{}, true, true, 0, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.situation);
        FakeServices fake;
        SaverState rowState;
        rowState.saverWindow = kSaver;
        rowState.inputTolerance = -2;
        Shell rowShell{fake, rowState};
        fake.openKeyResult = row.openResult;
        fake.passwordValue = row.value;
        if (row.libraryPresent) {
            fake.libraries[kPasswordPath] = kPasswordModule;
        }
        if (row.functionPresent) {
            fake.exports[{kPasswordModule, "VerifyScreenSavePwd"}] = kVerify;
        }
        fake.verifyAnswer = row.verifyAnswer;

        EXPECT_EQ(CheckSaverPassword(rowShell), row.mayClose);
        EXPECT_EQ(fake.Count("ShowCursor(TRUE)"), row.dialogShown ? 1U : 0U);
        EXPECT_EQ(fake.Count("ShowCursor(FALSE)"), row.dialogShown ? 1U : 0U);
        EXPECT_EQ(fake.cursorCount, 0);
        EXPECT_EQ(rowState.inputTolerance.load(), row.dialogShown ? 3 : -2);
        EXPECT_EQ(fake.Count("FreeLibrary(0x6600)"), row.dialogShown ? 1U : 0U);
        EXPECT_EQ(fake.Count("RegCloseKey"), row.openResult == 0 ? 1U : 0U);
        EXPECT_EQ(fake.Count("VerifyScreenSavePwd@0x6610(0x2002)"),
                  row.dialogShown && row.functionPresent ? 1U : 0U);
    }
}

TEST_F(PasswordCheck, CallOrderWithTheDialog) {
    services.verifyAnswer = 0;
    EXPECT_FALSE(CheckSaverPassword(shell));
    const std::vector<std::string> expected = {
        "RegOpenKeyExW(HKCU, Control Panel\\Desktop, 0, 0x20019) -> 0",
        "RegQueryValueExW(0x7700, ScreenSaveUsePassword, size 4) -> 0",
        "GetSystemDirectoryW",
        "LoadLibraryW(C:\\windows\\system32\\PASSWORD.CPL) -> 0x6600",
        "GetProcAddress(0x6600, VerifyScreenSavePwd) -> 0x6610",
        "ShowCursor(TRUE) -> 0",
        "VerifyScreenSavePwd@0x6610(0x2002) -> 0",
        "ShowCursor(FALSE) -> -1",
        "FreeLibrary(0x6600)",
        "RegCloseKey(0x7700)",
    };
    EXPECT_EQ(services.calls, expected);
}

// A check that fails part-way (out of memory, say) keeps the saver up, and every step it took is
// undone: the key closed, the library freed, the cursor hidden again.
TEST_F(PasswordCheck, AFailureAnywhereKeepsTheSaverAndUndoesEveryStep) {
    struct Row {
        const char* failingCall;
        bool loaded;
        bool dialogShown;
    } const rows[] = {
        {"RegQueryValueExW", false, false},  {"GetSystemDirectoryW", false, false},
        {"LoadLibraryW", false, false},      {"GetProcAddress", true, false},
        {"VerifyScreenSavePwd", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.failingCall);
        FakeServices fake;
        SaverState rowState;
        Shell rowShell{fake, rowState};
        rowState.inputTolerance = -2;
        fake.libraries[kPasswordPath] = kPasswordModule;
        fake.exports[{kPasswordModule, "VerifyScreenSavePwd"}] = kVerify;
        fake.passwordValue = std::vector<std::uint8_t>{1, 0, 0, 0};
        fake.cursorCount = -1;
        fake.throwAt = row.failingCall;
        EXPECT_FALSE(CheckSaverPassword(rowShell));
        EXPECT_EQ(fake.Count("RegCloseKey(0x7700)"), 1U);
        EXPECT_EQ(fake.Count("FreeLibrary(0x6600)"), row.loaded ? 1U : 0U);
        EXPECT_EQ(fake.cursorCount, -1);
        EXPECT_EQ(rowState.inputTolerance.load(), row.dialogShown ? 3 : -2);
    }
}

TEST_F(PasswordCheck, LibraryHandlesUpTo32AreFailedLoads) {
    for (const ModuleHandle handle : {ModuleHandle{1}, ModuleHandle{31}, ModuleHandle{32}}) {
        FakeServices fake;
        SaverState rowState;
        Shell rowShell{fake, rowState};
        fake.passwordValue = std::vector<std::uint8_t>{1, 0, 0, 0};
        fake.libraries[kPasswordPath] = handle;
        fake.exports[{handle, "VerifyScreenSavePwd"}] = kVerify;
        fake.verifyAnswer = 0;
        EXPECT_TRUE(CheckSaverPassword(rowShell)) << handle;
        EXPECT_EQ(fake.Count("GetProcAddress"), 0U);
        EXPECT_EQ(fake.Count("FreeLibrary"), 0U);
    }
    services.libraries[kPasswordPath] = 33;
    services.exports[{33, "VerifyScreenSavePwd"}] = kVerify;
    services.verifyAnswer = 0;
    EXPECT_FALSE(CheckSaverPassword(shell));
}

TEST_F(PasswordCheck, LoadsOnlyFromTheSystemDirectory) {
    // A library of the same name anywhere else is never asked for.
    services.libraries[u"PASSWORD.CPL"] = 0x9900;
    services.exports[{0x9900, "VerifyScreenSavePwd"}] = 0x9910;
    services.verifyAnswer = 0;
    services.systemDirectory = u"D:\\WINNT\\System32\\";
    EXPECT_TRUE(CheckSaverPassword(shell));
    ASSERT_EQ(services.loadedPaths.size(), 1U);
    EXPECT_EQ(Narrow(services.loadedPaths[0]), "D:\\WINNT\\System32\\PASSWORD.CPL");

    services.systemDirectory.clear();
    services.loadedPaths.clear();
    EXPECT_TRUE(CheckSaverPassword(shell));
    EXPECT_TRUE(services.loadedPaths.empty()) << "an unknown system directory means missing";
}

TEST(SystemLibraryPath, JoinsWithOneBackslash) {
    EXPECT_EQ(SystemLibraryPath(u"C:\\windows\\system32", u"MPR.DLL"),
              u"C:\\windows\\system32\\MPR.DLL");
    EXPECT_EQ(SystemLibraryPath(u"C:\\", u"MPR.DLL"), u"C:\\MPR.DLL");
    EXPECT_EQ(SystemLibraryPath(u"", u"MPR.DLL"), u"");
}

TEST(ReadDecimalHandle, PlainDecimalWrappingModulo2To32) {
    struct Case {
        std::u16string text;
        WindowHandle handle;
    } const cases[] = {
        {u"", 0},
        {u"1234", 1234},
        {u"12x", 12},
        {u"x12", 0},
        {u"-5", 0xFFFFFFFB},
        {u"-0", 0},
        {u"--5", 0},
        {u"+5", 0},
        {u" 5", 0},
        {u"0x10", 0},
        {u"$10", 0},
        {u"4294967295", 0xFFFFFFFF},
        {u"4294967296", 0},
        {u"4294967297", 1},
        {u"99999999999", 1215752191},
        {u"-4294967295", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadDecimalHandle(c.text), c.handle) << Narrow(c.text);
    }
    // 10^n - 1 modulo 2^32 for a long run of nines, worked out by the same wrap step by step.
    std::uint32_t expected = 0;
    for (int i = 0; i < 100000; ++i) {
        expected = expected * 10U + 9U;
    }
    EXPECT_EQ(ReadDecimalHandle(std::u16string(100000, u'9')), expected);
}

class ChangePassword : public ::testing::Test {
protected:
    ChangePassword() {
        services.libraries[u"C:\\windows\\system32\\MPR.DLL"] = 0x5500;
        services.exports[{0x5500, "PwdChangePasswordA"}] = 0x5510;
    }
    FakeServices services;
};

TEST_F(ChangePassword, CallsTheRouterWithScrsaveAndTheOwner) {
    RunChangePassword(services, u"1234");
    const std::vector<std::string> expected = {
        "GetSystemDirectoryW",
        "LoadLibraryW(C:\\windows\\system32\\MPR.DLL) -> 0x5500",
        "GetProcAddress(0x5500, PwdChangePasswordA) -> 0x5510",
        "PwdChangePasswordA@0x5510(SCRSAVE, 0x4d2, 0, 0)",
        "FreeLibrary(0x5500)",
    };
    EXPECT_EQ(services.calls, expected);
    EXPECT_EQ(services.changePasswordKeyName, std::string("SCRSAVE\0", 8));
}

TEST_F(ChangePassword, OwnerTextsAndMissingPieces) {
    RunChangePassword(services, u"");
    RunChangePassword(services, u"-5");
    EXPECT_EQ(services.CallsStartingWith("PwdChangePasswordA"),
              (std::vector<std::string>{"PwdChangePasswordA@0x5510(SCRSAVE, 0x0, 0, 0)",
                                        "PwdChangePasswordA@0x5510(SCRSAVE, 0xfffffffb, 0, 0)"}));

    services.exports.clear();
    services.calls.clear();
    RunChangePassword(services, u"1");
    EXPECT_EQ(services.Count("PwdChangePasswordA"), 0U);
    EXPECT_EQ(services.Count("FreeLibrary(0x5500)"), 1U);

    services.libraries.clear();
    services.libraries[u"MPR.DLL"] = 0x5500;  // found by bare name only: not loaded
    services.calls.clear();
    RunChangePassword(services, u"1");
    EXPECT_EQ(services.Count("GetProcAddress"), 0U);
    EXPECT_EQ(services.Count("FreeLibrary"), 0U);
}

}  // namespace
}  // namespace mr
