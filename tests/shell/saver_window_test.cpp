#include "shell/saver_window.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "fake_services.hpp"
#include "shell/locale_queries.hpp"

namespace mr {
namespace {

using testing::At;
using testing::FakeServices;

constexpr WindowHandle kWindow = 0x2002;

class SaverWindow : public ::testing::Test {
protected:
    FakeServices services;
    SaverState state;
    Shell shell{services, state};
};

TEST_F(SaverWindow, FullScreenIsATopmostPopUpOverTheGivenSize) {
    services.localeAnswers[win::kLocaleSEnglishLanguage] = u"Russian";
    EXPECT_EQ(CreateSaverWindow(shell, 1920, 1080, 0), kWindow);
    EXPECT_EQ(state.saverWindow.load(), kWindow);
    EXPECT_EQ(state.uiLanguage.load(), UiLanguage::Russian);
    const std::vector<std::string> expected = {
        "GetLocaleInfoW(0x800, 0x1001, 19) -> 8",
        "RegisterWindowClass(MyPelmarScreenSaverClass)",
        "CreateWindowExW(parent 0x0) -> 0x2002",
        "SetWindowPos(0x2002, 0xffffffff, 0, 0, 0, 0, 0xb)",
        "SetFocus(0x2002)",
    };
    EXPECT_EQ(services.calls, expected);
    ASSERT_EQ(services.classes.size(), 1U);
    EXPECT_EQ(services.classes[0].style, 0x0080U);
    EXPECT_FALSE(services.classes[0].hasCursor);
    EXPECT_FALSE(services.classes[0].hasBackgroundBrush);
    ASSERT_EQ(services.creations.size(), 1U);
    const WindowCreation& creation = services.creations[0];
    EXPECT_EQ(creation.exStyle, 0U);
    EXPECT_EQ(creation.className, u"MyPelmarScreenSaverClass");
    EXPECT_EQ(creation.windowName, u"MySaver");
    EXPECT_EQ(creation.style, 0x90000000U);  // WS_POPUP | WS_VISIBLE
    EXPECT_EQ(creation.x, 0);
    EXPECT_EQ(creation.y, 0);
    EXPECT_EQ(creation.width, 1920);
    EXPECT_EQ(creation.height, 1080);
}

TEST_F(SaverWindow, PreviewIsADisabledChildOfTheParentAndNotTopmost) {
    services.windowDpi = 144;
    EXPECT_EQ(CreateSaverWindow(shell, 152, 112, 0x4D2), kWindow);
    // The DPI of the saver's own window, recorded with it for every paint to come.
    EXPECT_EQ(services.dpiQueries, std::vector<std::string>{"GetDpiForWindow(0x2002)"});
    EXPECT_EQ(state.dpi.load(), 144);
    ASSERT_EQ(services.creations.size(), 1U);
    EXPECT_EQ(services.creations[0].style, 0x58000000U);  // WS_CHILD | WS_VISIBLE | WS_DISABLED
    EXPECT_EQ(services.creations[0].parent, 0x4D2U);
    EXPECT_EQ(services.creations[0].width, 152);
    EXPECT_EQ(services.creations[0].height, 112);
    EXPECT_EQ(services.Count("SetWindowPos"), 0U);
    EXPECT_EQ(services.Count("SetFocus"), 0U);
}

TEST_F(SaverWindow, AFailedCreationLeavesNoWindowAndPlacesNothing) {
    services.createdWindow = 0;
    state.saverWindow = 0x999;  // a stale value must not survive
    EXPECT_EQ(CreateSaverWindow(shell, 1920, 1080, 0), 0U);
    EXPECT_EQ(state.saverWindow.load(), 0U);
    EXPECT_EQ(services.Count("SetWindowPos"), 0U);
    EXPECT_TRUE(services.dpiQueries.empty());
}

TEST(DialDpi, TheSystemsAnswerOr96WhenItHasNone) {
    const std::pair<std::uint32_t, std::int32_t> rows[] = {
        {0, 96},    {96, 96}, {120, 120}, {144, 144},        {192, 192},
        {480, 480}, {47, 48}, {961, 960}, {0xFFFFFFFF, 960},  // nothing a display is set to
    };
    for (const auto& [answer, dpi] : rows) {
        EXPECT_EQ(DialDpi(answer), dpi) << answer;
    }
}

// Windows 8.1 and 10 before 1607 have no DPI per window, but one per monitor; older ones only the
// system's.
TEST(WindowDpi, TheWindowsElseItsMonitorsElseTheSystems) {
    const std::vector<std::string> order = {"GetDpiForWindow(0x2002)", "GetDpiForMonitor(0x2002)",
                                            "GetDeviceCapsDpi(0x2002)"};
    struct Case {
        std::uint32_t window, monitor, system;
        std::int32_t dpi;
        std::ptrdiff_t asked;
    } const cases[] = {
        {120, 144, 96, 120, 1}, {0, 144, 96, 144, 2}, {0, 0, 120, 120, 3}, {0, 0, 0, 96, 3}};
    for (const Case& c : cases) {
        FakeServices fake;
        SaverState fresh;
        Shell freshShell{fake, fresh};
        fake.windowDpi = c.window;
        fake.monitorDpi = c.monitor;
        fake.deviceCapsDpi = c.system;
        CreateSaverWindow(freshShell, 1920, 1080, 0);
        EXPECT_EQ(fresh.dpi.load(), c.dpi) << c.window << " " << c.monitor << " " << c.system;
        EXPECT_EQ(fake.dpiQueries, std::vector(order.begin(), order.begin() + c.asked));
    }
}

TEST_F(SaverWindow, LanguageFromTheSystemDefaultLocalesEnglishName) {
    struct Case {
        std::optional<std::u16string> answer;
        UiLanguage language;
    } const cases[] = {
        {u"Russian", UiLanguage::Russian},
        {u"German", UiLanguage::English},
        {std::nullopt, UiLanguage::English},
        {u"Ukrainian         ", UiLanguage::English},   // 18 units: fits, but not equal
        {u"Russian           x", UiLanguage::English},  // 19 units: the call fails
    };
    for (const Case& c : cases) {
        FakeServices fake;
        SaverState fresh;
        fresh.uiLanguage = UiLanguage::Russian;  // whatever it held, it is decided afresh
        Shell freshShell{fake, fresh};
        if (c.answer) {
            fake.localeAnswers[win::kLocaleSEnglishLanguage] = *c.answer;
        }
        SelectUiLanguage(freshShell);
        EXPECT_EQ(fresh.uiLanguage.load(), c.language)
            << (c.answer ? testing::Narrow(*c.answer) : "(failed)");
    }
}

TEST(TimeSeparator, OneCharacterOrTheColon) {
    struct Case {
        std::int32_t result;
        std::array<char16_t, 4> buffer;
        char16_t separator;
    } const cases[] = {
        {2, {u'.', 0, 0, 0}, u'.'},    {2, {u':', 0, 0, 0}, u':'}, {2, {u'h', 0, 0, 0}, u'h'},
        {3, {u'-', u'-', 0, 0}, u':'}, {1, {0, 0, 0, 0}, u':'},    {0, {u'.', 0, 0, 0}, u':'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeSeparatorFrom(c.result, c.buffer), c.separator) << c.result;
    }
}

TEST_F(SaverWindow, EveryMessageIsAnsweredWithoutTheDefaultProcedureButMonitorPower) {
    state.saverWindow = kWindow;
    struct Case {
        WindowMessage message;
        std::intptr_t result;
        std::vector<std::string> calls;
    } const cases[] = {
        {{kWindow, 0x0081}, 1, {}},  // WM_NCCREATE
        {{kWindow, 0x0084}, 1, {}},  // WM_NCHITTEST: client area everywhere, so the mouse is seen
        {{kWindow, 0x0002}, 0, {"PostQuitMessage(0)"}},
        {{kWindow, 0x0001}, 0, {}},     // WM_CREATE
        {{kWindow, 0x0010}, 0, {}},     // WM_CLOSE: the window cannot be closed that way
        {{kWindow, 0x0014}, 0, {}},     // WM_ERASEBKGND
        {{kWindow, 0x0083}, 0, {}},     // WM_NCCALCSIZE
        {{kWindow, 0x0101}, 0, {}},     // WM_KEYUP
        {{kWindow, 0x0105}, 0, {}},     // WM_SYSKEYUP
        {{kWindow, 0x001C, 1}, 0, {}},  // WM_ACTIVATEAPP: the saver comes to the front
        {{kWindow, 0x0086, 0}, 1, {}},  // WM_NCACTIVATE: letting activation go, never a veto
        {{kWindow, 0x0086, 1}, 1, {}},
        {{kWindow, 0x0202}, 0, {}},  // WM_LBUTTONUP
        {{kWindow, 0x0203}, 0, {}},  // WM_LBUTTONDBLCLK
        {{kWindow, 0x020A}, 0, {}},  // WM_MOUSEWHEEL
        {{kWindow, 0x020B}, 0, {}},  // WM_XBUTTONDOWN
        {{kWindow, 0x0012}, 0, {}},  // WM_QUIT
        {{kWindow, 0x0011}, 1, {}},  // WM_QUERYENDSESSION: never holds up a log-off or shutdown
        {{kWindow, 0x0016}, 0, {}},  // WM_ENDSESSION
        // WM_SYSCOMMAND: the monitor may power down; starting the saver again, closing, the
        // window menu and moving are swallowed.
        {{kWindow, 0x0112, 0xF170, 2}, 0x5A, {"DefWindowProcW(0x2002, 0x112, 0xf170, 2)"}},
        {{kWindow, 0x0112, 0xF173, 1}, 0x5A, {"DefWindowProcW(0x2002, 0x112, 0xf173, 1)"}},
        {{kWindow, 0x0112, 0xF140}, 0, {}},
        {{kWindow, 0x0112, 0xF060}, 0, {}},
        {{kWindow, 0x0112, 0xF100}, 0, {}},
        {{kWindow, 0x0112, 0xF010}, 0, {}},
        // A window over another monitor is painted plain.
        {{0x5000, 0x000F}, 0, {"PaintBackground(0x5000)"}},
        // WM_DPICHANGED: the dial redrawn whole at the new DPI, in its place; plain ones unmoved.
        {{kWindow, 0x02E0, 0x00900090, 0x12345678}, 0, {"InvalidateRect(0x2002, FALSE)"}},
        {{0x5000, 0x02E0, 0x00C000C0}, 0, {}},
    };
    for (const Case& c : cases) {
        services.calls.clear();
        EXPECT_EQ(SaverWindowProc(shell, c.message), c.result) << c.message.message;
        EXPECT_EQ(services.calls, c.calls) << c.message.message;
    }
    EXPECT_FALSE(state.quitRequested.load());
    EXPECT_EQ(state.dpi.load(), 144);

    // Nothing leaves the procedure by an exception; a key whose check fails keeps the saver.
    for (const auto& [message, failingCall] : {std::pair{0x000FU, "PaintWindow"},
                                               {0x000FU, "GetLocalTime"},
                                               {0x0100U, "RegOpenKeyExW"}}) {
        services.throwAt = failingCall;
        EXPECT_EQ(SaverWindowProc(shell, {kWindow, message}), 0) << failingCall;
    }
    EXPECT_FALSE(state.quitRequested.load());
    EXPECT_FALSE(state.checkRunning.load());
}

TEST_F(SaverWindow, PaintGetsTheStateAndOneClockReading) {
    state.saverWindow = kWindow;
    state.clientWidth = 1920;
    state.clientHeight = 1080;
    state.previewMode = true;
    state.uiLanguage = UiLanguage::Russian;
    state.timeSeparator = u'.';
    state.dpi = 168;
    services.clock = {At(23, 59, 7)};
    EXPECT_EQ(SaverWindowProc(shell, {kWindow, 0x000F}), 0);
    EXPECT_EQ(services.Count("GetLocalTime"), 1U);
    ASSERT_EQ(services.paints.size(), 1U);
    const auto& [window, inputs] = services.paints[0];
    EXPECT_EQ(window, kWindow);
    EXPECT_EQ(inputs.width, 1920);
    EXPECT_EQ(inputs.height, 1080);
    EXPECT_TRUE(inputs.preview);
    EXPECT_EQ(inputs.language, UiLanguage::Russian);
    EXPECT_EQ(inputs.timeSeparator, u'.');
    EXPECT_EQ(inputs.dpi, 168);
    EXPECT_EQ(inputs.moment.hour, 23);
    EXPECT_EQ(inputs.moment.minute, 59);
    EXPECT_EQ(inputs.moment.second, 7);
    EXPECT_EQ(inputs.moment.year, 2026);
}

// One input event, what the window procedure does with it, and what is seen afterwards.
enum class Event {
    Move,
    Still,
    Left,
    Right,
    Middle,
    Key,
    AltKey,
    LostFront,
    CoverLostFront,
    CoverMove
};
struct Step {
    Event event;
    std::int32_t verifyAnswer;  // the system dialog's answer, where it is shown
    bool checkRuns;
    bool quitRequested;
    std::int32_t tolerance;
};

constexpr WindowHandle kCover = 0x5000;

WindowMessage MessageOf(Event event) {
    switch (event) {
        case Event::Move:
        case Event::Still:
            return {kWindow, win::kWmMouseMove};
        case Event::Left:
            return {kWindow, win::kWmLButtonDown};
        case Event::Right:
            return {kWindow, win::kWmRButtonDown};
        case Event::Middle:
            return {kWindow, win::kWmMButtonDown};
        case Event::Key:
            return {kWindow, win::kWmKeyDown};
        case Event::AltKey:
            return {kWindow, win::kWmSysKeyDown};
        case Event::LostFront:
            return {kWindow, win::kWmActivateApp, 0};
        case Event::CoverLostFront:
            return {kCover, win::kWmActivateApp, 0};
        case Event::CoverMove:
            return {kCover, win::kWmMouseMove};
    }
    return {};
}

class InputRule : public SaverWindow {
protected:
    InputRule() {
        state.saverWindow = kWindow;
        state.inputTolerance = 3;
        services.passwordValue = std::vector<std::uint8_t>{1, 0, 0, 0};
        services.libraries[u"C:\\windows\\system32\\PASSWORD.CPL"] = 0x6600;
        services.exports[{0x6600, "VerifyScreenSavePwd"}] = 0x6610;
        services.clientOrigins[kCover] = {1920, 0};
        state.cursorKnown = true;
        state.cursorX = point.x;
        state.cursorY = point.y;
    }

    // Each Move goes 10 pixels right, CoverMove takes the same client point over the other
    // monitor (another place on the screen), and Still repeats the latest move, as Windows does
    // under a still mouse. Every mouse event happens at the latest point.
    WindowMessage MessageFor(Event event) {
        WindowMessage message = MessageOf(event);
        if (event == Event::Move) {
            point.x += 10;
        }
        if (event == Event::Move || event == Event::CoverMove) {
            pointWindow = message.window;
        }
        if (event == Event::Still) {
            message.window = pointWindow;
        }
        message.lParam = static_cast<std::intptr_t>(point.y) << 16 | point.x;
        return message;
    }
    PixelPoint point{500, 400};  // where the run began
    WindowHandle pointWindow = kWindow;

    void Play(const std::vector<Step>& steps) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(i);
            const Step& step = steps[i];
            services.verifyAnswer = step.verifyAnswer;
            const std::size_t checksBefore = services.Count("RegOpenKeyExW");
            EXPECT_EQ(SaverWindowProc(shell, MessageFor(step.event)), 0);
            EXPECT_EQ(services.Count("RegOpenKeyExW") - checksBefore, step.checkRuns ? 1U : 0U);
            EXPECT_EQ(state.quitRequested.load(), step.quitRequested);
            EXPECT_EQ(state.inputTolerance.load(), step.tolerance);
        }
    }
};

TEST_F(InputRule, ThirdMouseEventChecksAndAFailedCheckGivesTwoMoreFreeEvents) {
    Play({
        {Event::Move, 0, false, false, 2},
        {Event::Left, 0, false, false, 1},
        {Event::Right, 0, true, false, 3},  // dialog shown, not verified: tolerance back at 3
        {Event::Middle, 0, false, false, 2},
        {Event::Move, 0, false, false, 1},
        {Event::Move, 1, true, true, 3},
    });
}

// Windows makes up a move at the cursor's place whenever a window is shown, hidden or moved under
// a still mouse: only a move elsewhere counts, and every press.
TEST_F(InputRule, MovesThatGoNowhereAreNotCounted) {
    Play({
        {Event::Still, 0, false, false, 3},  // where the run began
        {Event::Move, 0, false, false, 2},
        {Event::Still, 0, false, false, 2},
        {Event::Still, 0, false, false, 2},
        {Event::Left, 0, false, false, 1},  // a press where the cursor rests
        {Event::Still, 0, false, false, 1},
        {Event::CoverMove, 1, true, true, 3},
        {Event::Still, 0, false, true, 3},
    });
}

TEST_F(InputRule, KeysAlwaysCheckAndTheLatestResultCounts) {
    Play({
        {Event::Key, 1, true, true, 3},
        {Event::Key, 0, true, false, 3},  // passed, then failed: false again
        {Event::Move, 1, false, false, 2},
        {Event::Key, 1, true, true, 3},
    });
}

// Keys typed while the window is active without the focus arrive as system keys; a program that
// takes the foreground would get whatever is typed next. Both close the saver as a key does.
TEST_F(InputRule, AltKeysAndLosingTheForegroundCheckLikeAKeyAndCoversCountTheMouse) {
    Play({
        {Event::AltKey, 0, true, false, 3},
        {Event::CoverLostFront, 1, false, false, 3},  // the dial's window answers for all
        {Event::LostFront, 0, true, false, 3},
        {Event::CoverMove, 0, false, false, 2},
        {Event::Move, 0, false, false, 1},
        {Event::CoverMove, 1, true, true, 3},
        {Event::LostFront, 0, false, true, 3},  // closing already: nothing more is asked
    });
    // While the dialog is up its own message loop delivers input: no second check starts.
    state.quitRequested = false;
    services.duringVerify = [this, delivered = false]() mutable {
        if (!delivered) {
            delivered = true;
            for (const Event event : {Event::Key, Event::AltKey, Event::LostFront}) {
                SaverWindowProc(shell, MessageOf(event));
            }
        }
    };
    Play({{Event::Key, 1, true, true, 3}});
}

TEST_F(InputRule, WithoutAPasswordTheThirdEventClosesAndTheCounterRunsOn) {
    services.passwordValue = std::vector<std::uint8_t>{0, 0, 0, 0};
    Play({
        {Event::Move, 0, false, false, 2},
        {Event::Move, 0, false, false, 1},
        {Event::Move, 0, true, true, 0},
        {Event::Move, 0, true, true, -1},
    });
}

TEST_F(InputRule, PreviewNeverCountsTheMouse) {
    state.previewMode = true;
    state.inputTolerance = 0;
    for (int i = 0; i < 10; ++i) {
        for (const Event event : {Event::Move, Event::Left, Event::Right, Event::Middle,
                                  Event::AltKey, Event::LostFront}) {
            SaverWindowProc(shell, MessageOf(event));
        }
    }
    EXPECT_EQ(services.Count("RegOpenKeyExW"), 0U);
    EXPECT_EQ(state.inputTolerance.load(), 0);
    EXPECT_FALSE(state.quitRequested.load());
}

TEST(MouseEventRunsCheck, TheCounterStopsAtItsLowestValue) {
    SaverState state;
    state.inputTolerance = std::numeric_limits<std::int32_t>::min() + 1;
    EXPECT_TRUE(MouseEventRunsCheck(state));
    EXPECT_EQ(state.inputTolerance.load(), std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(MouseEventRunsCheck(state));
    EXPECT_EQ(state.inputTolerance.load(), std::numeric_limits<std::int32_t>::min());
    state.inputTolerance = std::numeric_limits<std::int32_t>::max();
    EXPECT_FALSE(MouseEventRunsCheck(state));
}

}  // namespace
}  // namespace mr
