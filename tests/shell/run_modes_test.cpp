#include "shell/run_modes.hpp"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "fake_services.hpp"
#include "shell/refresh_thread.hpp"

namespace mr {
namespace {

using testing::FakeServices;

constexpr WindowHandle kForeground = 0x3003;

class RunModes : public ::testing::Test {
protected:
    RunModes() {
        services.foregroundWindow = kForeground;
        services.windowRects[services.desktopWindow] = WindowRect{0, 0, 1920, 1080};
        services.windowRects[0x4D2] = WindowRect{10, 10, 162, 122};
        services.windows = {0x4D2, kForeground};
        services.monitors = {WindowRect{0, 0, 1920, 1080}};
    }

    FakeServices services;
    SaverState state;
    Shell shell{services, state};
};

TEST_F(RunModes, FullScreenStepByStep) {
    services.messages = {1, 1};
    RunFullScreen(shell);
    const std::vector<std::string> expected = {
        "GetForegroundWindow -> 0x3003",
        "ShowCursor(FALSE) -> -1",
        "GetCursorPos",
        "GetDesktopWindow -> 0x10010",
        "GetWindowRect(0x10010)",
        "EnumDisplayMonitors -> 1",
        "GetLocaleInfoW(0x800, 0x1001, 19) -> 0",
        "RegisterWindowClass(MyPelmarScreenSaverClass)",
        "CreateWindowExW(parent 0x0) -> 0x2002",
        "SetWindowPos(0x2002, 0xffffffff, 0, 0, 0, 0, 0xb)",
        "SetFocus(0x2002)",
        "CreateThread",
        "SystemParametersInfoW(97, 1, &state, 0)",
        "GetMessageW -> 1",
        "TranslateMessage",
        "DispatchMessageW",
        "GetMessageW -> 1",
        "TranslateMessage",
        "DispatchMessageW",
        "GetMessageW -> 0",
        "SystemParametersInfoW(97, 0, &state, 0)",
        "ShowCursor(TRUE) -> 0",
        "GetForegroundWindow -> 0x2002",
        "SetForegroundWindow(0x3003)",
    };
    EXPECT_EQ(services.calls, expected);
    EXPECT_FALSE(state.previewMode.load());
    EXPECT_EQ(state.inputTolerance.load(), 3);
    EXPECT_TRUE(state.cursorKnown.load());
    EXPECT_EQ((PixelPoint{state.cursorX.load(), state.cursorY.load()}), *services.cursor);
    ASSERT_EQ(services.creations.size(), 1U);
    EXPECT_EQ(services.creations[0].width, 1920);
    EXPECT_EQ(services.creations[0].height, 1080);
    ASSERT_EQ(services.threads.size(), 1U);
    EXPECT_EQ(services.threads[0].routine, &RefreshThreadStart);
    EXPECT_EQ(services.threads[0].parameter, &shell);
}

TEST_F(RunModes, FullScreenHidesTheCursorUntilTheCountIsNoLongerAboveZero) {
    for (const auto& [start, hides] : {std::pair{0, 1U}, {1, 1U}, {2, 2U}, {5, 5U}, {-3, 1U}}) {
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.cursorCount = start;
        RunFullScreen(freshShell);
        EXPECT_EQ(fake.Count("ShowCursor(FALSE)"), hides) << start;
        EXPECT_EQ(fake.Count("ShowCursor(TRUE)"), 1U) << start;
    }
}

// Without a window or a refresh thread nothing could end the message loop; a failure inside the
// loop ends it too. Every way out gives back the running flag, the cursor and the foreground.
TEST_F(RunModes, FullScreenGivesEverythingBackOnEveryWayOut) {
    enum class Failure { NoWindow, NoThread, DispatchThrows };
    for (const Failure failure : {Failure::NoWindow, Failure::NoThread, Failure::DispatchThrows}) {
        SCOPED_TRACE(static_cast<int>(failure));
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.foregroundWindow = kForeground;
        fake.messages = {1, 1, 1};
        fake.createdWindow = failure == Failure::NoWindow ? 0 : 0x2002;
        fake.threadStarts = failure != Failure::NoThread;
        if (failure == Failure::DispatchThrows) {
            fake.throwAt = "DispatchMessageW";
            EXPECT_THROW(RunFullScreen(freshShell), std::bad_alloc);
        } else {
            RunFullScreen(freshShell);
            EXPECT_EQ(fake.Count("GetMessageW"), 0U);
        }
        const bool announced = failure == Failure::DispatchThrows;
        EXPECT_EQ(fake.Count("SystemParametersInfoW(97, 1"), announced ? 1U : 0U);
        EXPECT_EQ(fake.Count("SystemParametersInfoW(97, 0"), announced ? 1U : 0U);
        EXPECT_EQ(fake.cursorCount, 0);
        ASSERT_FALSE(fake.calls.empty());
        // Without a window the saver never had the foreground: there is nothing to give back.
        EXPECT_EQ(fake.calls.back(), failure == Failure::NoWindow ? "GetForegroundWindow -> 0x3003"
                                                                  : "SetForegroundWindow(0x3003)");
    }
}

// Every monitor but the dial's gets a plain topmost window, made before the dial's so that the
// dial's is the active one. The foreground goes back only from one of the saver's own windows:
// a program that took it meanwhile keeps it.
TEST_F(RunModes, FullScreenCoversEveryOtherMonitorAndLeavesTheFrontToAnotherProgram) {
    for (const auto& [front, givesBack] :
         {std::pair{WindowHandle{0x2002}, true}, {0x5010, true}, {0x4444, false}}) {
        SCOPED_TRACE(front);
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.foregroundWindow = kForeground;
        fake.windowRects[fake.desktopWindow] = WindowRect{0, 0, 1920, 1080};
        fake.monitors = {{1920, 0, 3200, 1024}, {0, 0, 1920, 1080}, {-1280, -200, 0, 824}};
        fake.messages = {1};
        fake.onDispatch = [&fake, front](int) { fake.foregroundWindow = front; };
        RunFullScreen(freshShell);
        ASSERT_EQ(fake.creations.size(), 3U);
        for (std::size_t i = 0; i < 2; ++i) {
            const WindowCreation& cover = fake.creations[i];
            const WindowRect& monitor = fake.monitors[i == 0 ? 0 : 2];
            EXPECT_EQ(cover.exStyle, 0x88U);      // WS_EX_TOPMOST | WS_EX_TOOLWINDOW
            EXPECT_EQ(cover.style, 0x90000000U);  // WS_POPUP | WS_VISIBLE
            EXPECT_EQ(cover.className, u"MemoryRhythmsCoverClass");
            EXPECT_EQ(WindowRect({cover.x, cover.y, cover.x + cover.width, cover.y + cover.height}),
                      monitor);
        }
        EXPECT_EQ(fake.creations[2].className, u"MyPelmarScreenSaverClass");
        EXPECT_EQ(fake.Count("RegisterWindowClass(MemoryRhythmsCoverClass)"), 1U);
        EXPECT_EQ(fake.Count("SetForegroundWindow(0x3003)"), givesBack ? 1U : 0U);
    }
}

TEST_F(RunModes, PreviewStepByStep) {
    const std::u16string commandLine = u"saver.scr /p 1234";
    services.messages = {1};
    services.awareness[0x4D2] = 0x6010;
    RunPreview(shell, commandLine);
    // The parent's DPI awareness taken before anything is read of it or made inside it.
    const std::vector<std::string> expected = {
        "IsWindow(0x4d2) -> true",
        "GetCurrentThreadId -> 0x77",
        "GetWindowDpiAwarenessContext(0x4d2) -> 0x6010",
        "SetThreadDpiAwarenessContext(0x6010)",
        "GetWindowRect(0x4d2)",
        "GetLocaleInfoW(0x800, 0x1001, 19) -> 0",
        "RegisterWindowClass(MyPelmarScreenSaverClass)",
        "CreateWindowExW(parent 0x4d2) -> 0x2002",
        "CreateThread",
        "GetMessageW -> 1",
        "TranslateMessage",
        "DispatchMessageW",
        "GetMessageW -> 0",
    };
    EXPECT_EQ(services.calls, expected);
    EXPECT_TRUE(state.previewMode.load());
    EXPECT_EQ(state.previewParent.load(), 0x4D2U);
    EXPECT_EQ(state.mainThread.load(), 0x77U);
    EXPECT_EQ(state.inputTolerance.load(), 0);
    ASSERT_EQ(services.creations.size(), 1U);
    EXPECT_EQ(services.creations[0].width, 152);
    EXPECT_EQ(services.creations[0].height, 112);
}

TEST_F(RunModes, PreviewParentFromTheSecondArgumentOrTheForegroundWindow) {
    struct Case {
        std::u16string commandLine;
        WindowHandle parent;
    } const cases[] = {
        {u"s.scr /p 1234", 0x4D2},
        {u"s.scr /p $4D2", 0x4D2},
        {u"s.scr /p x4D2", 0x4D2},
        {u"s.scr /p 0x4D2", 0x4D2},
        {u"s.scr /p 1234abc", 0x4D2},
        {u"s.scr /p \" 1234\"", 0x4D2},
        {u"s.scr /p 4294968530", 0x4D2},  // 2^32 + 1234: the low 32 bits
        {u"s.scr /p -4294966062", 0x4D2},
        {u"s.scr /p:1234", kForeground},
        {u"s.scr /p", kForeground},
        {u"s.scr", kForeground},
        {u"s.scr /p 2147484882", 0x800004D2},  // 2^31 + 1234: at or above 0x80000000
        // 0x80020000 as a 64-bit dialog may print it: sign-extended, unsigned or signed.
        {u"s.scr /p 18446744071562199040", 0x80020000},
        {u"s.scr /p -2147352576", 0x80020000},
        {u"s.scr /p 2147614720", 0x80020000},
        {u"s.scr /p 18446744073709551615", 0xFFFFFFFF},  // 2^64 - 1
        // Decimal digits only: the letter ends the number, which is far inside the signed range.
        {u"s.scr /p 922337203685477580A", 0xCCCCCCCC},
    };
    for (const Case& c : cases) {
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.foregroundWindow = kForeground;
        fake.windows = {0x4D2, 0x800004D2, 0x80020000, 0xFFFFFFFF, 0xCCCCCCCC, kForeground};
        RunPreview(freshShell, c.commandLine);
        ASSERT_EQ(fake.creations.size(), 1U) << testing::Narrow(c.commandLine);
        EXPECT_EQ(fake.creations[0].parent, c.parent) << testing::Narrow(c.commandLine);
    }
}

TEST_F(RunModes, PreviewOfSomethingThatIsNotAWindowEndsAtOnce) {
    for (const std::u16string commandLine :
         {u"s.scr /p 999", u"s.scr /p abc", u"s.scr /p 0", u"s.scr /p -1"}) {
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.windows = {0x4D2};
        fake.messages = {1, 1};
        RunPreview(freshShell, commandLine);
        ASSERT_EQ(fake.calls.size(), 1U) << testing::Narrow(commandLine);
        EXPECT_TRUE(fake.calls[0].starts_with("IsWindow(")) << fake.calls[0];
        EXPECT_TRUE(fake.threads.empty());
    }
}

TEST_F(RunModes, PreviewWithoutItsWindowOrItsThreadEndsAtOnce) {
    services.createdWindow = 0;
    services.messages = {1};
    RunPreview(shell, u"s.scr /p 1234");
    EXPECT_EQ(services.Count("CreateThread"), 0U);
    EXPECT_EQ(services.Count("GetMessageW"), 0U);

    FakeServices fake;
    Shell freshShell{fake, state};
    fake.windows = {0x4D2};
    fake.threadStarts = false;
    fake.messages = {1};
    RunPreview(freshShell, u"s.scr /p 1234");
    EXPECT_EQ(fake.Count("CreateThread -> failed"), 1U);
    EXPECT_EQ(fake.Count("GetMessageW"), 0U);
}

TEST_F(RunModes, AMessageLoopErrorEndsTheLoop) {
    services.messages = {1, -1, 1};
    RunPreview(shell, u"s.scr /p 1234");
    EXPECT_EQ(services.Count("GetMessageW"), 2U);
    EXPECT_EQ(services.Count("DispatchMessageW"), 1U);
}

TEST_F(RunModes, ProgramDispatchesOnTheModeLetter) {
    struct Case {
        std::u16string commandLine;
        bool window;
        bool changePassword;
    } const cases[] = {
        {u"s.scr", true, false},          {u"s.scr /s", true, false},
        {u"s.scr /p 1234", true, false},  {u"s.scr /a 1234", false, true},
        {u"s.scr /a", false, true},       {u"s.scr /c", false, false},
        {u"s.scr /c:1234", false, false}, {u"s.scr /x", false, false},
        {u"s.scr /9", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Narrow(c.commandLine));
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.windows = {0x4D2};
        fake.libraries[u"C:\\windows\\system32\\MPR.DLL"] = 0x5500;
        fake.exports[{0x5500, "PwdChangePasswordA"}] = 0x5510;
        RunProgram(freshShell, c.commandLine);
        EXPECT_EQ(fake.Count("CreateWindowExW"), c.window ? 1U : 0U);
        EXPECT_EQ(fake.Count("CreateThread"), c.window ? 1U : 0U);
        EXPECT_EQ(fake.Count("PwdChangePasswordA"), c.changePassword ? 1U : 0U);
        EXPECT_EQ(fake.Count("ShowCursor"),
                  c.commandLine == u"s.scr" || c.commandLine == u"s.scr /s" ? 2U : 0U);
    }
}

TEST_F(RunModes, StartUpReadsTheTimeSeparatorOfTheUsersLocaleOnce) {
    services.localeAnswers[win::kLocaleSTime] = std::u16string(u".");
    RunProgram(shell, u"s.scr /c");
    const std::vector<std::string> expected = {
        "SetThreadLocale(0x400)",
        "GetThreadLocale -> 0x419",
        "GetLocaleInfoW(0x419, 0x1e, 4) -> 2",
    };
    EXPECT_EQ(services.calls, expected);
    EXPECT_EQ(state.timeSeparator.load(), u'.');

    for (const auto& [answer, separator] : {std::pair<std::u16string, char16_t>{u"::", u':'},
                                            {u"", u':'},
                                            {u"abcd", u':'},
                                            {u"h", u'h'}}) {
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.localeAnswers[win::kLocaleSTime] = answer;
        RunProgram(freshShell, u"s.scr /c");
        EXPECT_EQ(fresh.timeSeparator.load(), separator) << testing::Narrow(answer);
    }
}

}  // namespace
}  // namespace mr
