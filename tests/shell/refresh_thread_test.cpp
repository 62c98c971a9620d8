#include "shell/refresh_thread.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_services.hpp"

namespace mr {
namespace {

using testing::At;
using testing::FakeServices;

TEST(RepaintDue, DecisionsAlongScriptedClockReadings) {
    struct Case {
        const char* name;
        std::vector<LocalMoment> readings;
        std::vector<bool> due;
    } const cases[] = {
        {"started at second 0", {At(12, 0, 0), At(12, 0, 1)}, {true, false}},
        {"started mid-minute",
         {At(12, 5, 30), At(12, 5, 31), At(12, 6, 0), At(12, 6, 1)},
         {false, false, true, false}},
        {"second 0 skipped: repaired at once",
         {At(12, 5, 58), At(12, 5, 59), At(12, 6, 1), At(12, 6, 2), At(12, 7, 0)},
         {false, false, true, false, true}},
        {"started at 59, then 0", {At(12, 5, 59), At(12, 6, 0)}, {false, true}},
        {"second 0 read twice: still once a minute",
         {At(12, 6, 0), At(12, 6, 0), At(12, 6, 1)},
         {true, false, false}},
        {"whole minute skipped", {At(12, 6, 59), At(12, 8, 0), At(12, 8, 1)}, {false, true, false}},
        {"clock set back an hour",
         {At(12, 6, 10), At(11, 6, 11), At(11, 6, 12)},
         {false, true, false}},
        {"next day, same time",
         {At(12, 6, 10), LocalMoment{2026, 12, 9, 12, 6, 11}},
         {false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RefreshMemory memory;
        std::vector<bool> due;
        for (const LocalMoment& reading : c.readings) {
            due.push_back(RepaintDue(memory, reading));
        }
        EXPECT_EQ(due, c.due);
    }
}

TEST(RepaintDue, AtMostOnceAMinuteOverAnHourOfSeconds) {
    RefreshMemory memory;
    int requests = 0;
    for (int elapsed = 17; elapsed < 17 + 3600; ++elapsed) {
        requests +=
            RepaintDue(memory, At(12 + elapsed / 3600, elapsed / 60 % 60, elapsed % 60)) ? 1 : 0;
    }
    EXPECT_EQ(requests, 60);
}

class RefreshThread : public ::testing::Test {
protected:
    RefreshThread() {
        state.saverWindow = kWindow;
        services.windowRects[kWindow] = WindowRect{-10, 20, 1910, 1100};
    }

    // Sets quitRequested during the given wait, as a password check on the main thread would.
    void QuitDuringWait(int wait) {
        services.afterSleep = [this, wait](int sleeps) {
            if (sleeps == wait) {
                state.quitRequested = true;
            }
        };
    }

    std::size_t Repaints() const { return services.Count("InvalidateRect(0x2002, FALSE)"); }

    static constexpr WindowHandle kWindow = 0x2002;
    FakeServices services;
    SaverState state;
    Shell shell{services, state};
};

TEST_F(RefreshThread, StartsRecordsShowsPaintsAndClosesAfterTheWait) {
    services.clock = {At(12, 5, 30), At(12, 5, 31)};
    QuitDuringWait(2);
    EXPECT_EQ(RefreshThreadProc(shell), 0U);
    const std::vector<std::string> expected = {
        "GetWindowRect(0x2002)",         "ShowWindow(0x2002, 5)", "UpdateWindow(0x2002)",
        "InvalidateRect(0x2002, FALSE)", "GetLocalTime -> 5:30",  "Sleep(1000)",
        "GetLocalTime -> 5:31",          "Sleep(1000)",           "PostMessageW(0x2002, 0x2, 0, 0)",
    };
    EXPECT_EQ(services.calls, expected);
    EXPECT_EQ(state.clientWidth.load(), 1920);
    EXPECT_EQ(state.clientHeight.load(), 1080);
}

TEST_F(RefreshThread, StartedAtSecondZeroAsksForTheFirstPaintTwice) {
    services.clock = {At(12, 6, 0), At(12, 6, 1)};
    QuitDuringWait(2);
    RefreshThreadProc(shell);
    const std::vector<std::string> start(services.calls.begin() + 3, services.calls.begin() + 7);
    EXPECT_EQ(start,
              (std::vector<std::string>{"InvalidateRect(0x2002, FALSE)", "GetLocalTime -> 6:0",
                                        "InvalidateRect(0x2002, FALSE)", "Sleep(1000)"}));
    EXPECT_EQ(Repaints(), 2U);
}

TEST_F(RefreshThread, ASkippedSecondZeroStillRepaintsThatMinute) {
    services.clock = {At(12, 5, 58), At(12, 5, 59), At(12, 6, 1), At(12, 6, 2), At(12, 6, 3)};
    QuitDuringWait(5);
    RefreshThreadProc(shell);
    EXPECT_EQ(Repaints(), 2U);  // the first paint, and 12:06 at its first reading
    const auto at601 =
        std::find(services.calls.begin(), services.calls.end(), "GetLocalTime -> 6:1");
    ASSERT_NE(at601, services.calls.end());
    EXPECT_EQ(*(at601 + 1), "InvalidateRect(0x2002, FALSE)");
}

TEST_F(RefreshThread, QuitIsSeenOnlyAfterAWait) {
    state.quitRequested = true;  // already true before the first pass
    services.clock = {At(12, 5, 30)};
    RefreshThreadProc(shell);
    EXPECT_EQ(services.Count("GetLocalTime"), 1U);
    EXPECT_EQ(services.Count("Sleep(1000)"), 1U);
    ASSERT_FALSE(services.calls.empty());
    EXPECT_EQ(services.calls.back(), "PostMessageW(0x2002, 0x2, 0, 0)");

    FakeServices later;
    SaverState laterState;
    laterState.saverWindow = kWindow;
    Shell laterShell{later, laterState};
    later.clock = {At(12, 5, 30)};
    later.afterSleep = [&](int sleeps) { laterState.quitRequested = sleeps == 7; };
    RefreshThreadProc(laterShell);
    EXPECT_EQ(later.sleeps, 7);
    EXPECT_EQ(later.Count("GetLocalTime"), 7U);
    EXPECT_EQ(later.Count("PostMessageW"), 1U);
}

// The preview's parent can go, with its process, without a WM_DESTROY for the saver's window.
TEST_F(RefreshThread, APreviewEndsOnceItsParentOrItsWindowIsGone) {
    for (const WindowHandle gone : {WindowHandle{0x4D2}, kWindow}) {
        SCOPED_TRACE(gone);
        FakeServices fake;
        SaverState preview;
        preview.saverWindow = kWindow;
        preview.previewMode = true;
        preview.previewParent = 0x4D2;
        preview.mainThread = 0x77;
        Shell previewShell{fake, preview};
        fake.windows = {0x4D2, kWindow};
        fake.clock = {At(12, 5, 30)};
        fake.afterSleep = [&fake, &preview, gone](int sleeps) {
            if (sleeps == 3) {
                fake.windows.erase(gone);
            }
            preview.quitRequested = sleeps == 9;  // bounds a thread that would not notice
        };
        fake.awareness[kWindow] = 0x6010;
        EXPECT_EQ(RefreshThreadProc(previewShell), 0U);
        // Its size read with the DPI awareness of the window, which is its parent's.
        EXPECT_EQ(std::vector(fake.calls.begin(), fake.calls.begin() + 3),
                  (std::vector<std::string>{"GetWindowDpiAwarenessContext(0x2002) -> 0x6010",
                                            "SetThreadDpiAwarenessContext(0x6010)",
                                            "GetWindowRect(0x2002)"}));
        EXPECT_EQ(fake.sleeps, 3);
        EXPECT_EQ(fake.calls.back(), "PostThreadMessageW(0x77, 0x12, 0, 0)");
        EXPECT_EQ(fake.Count("PostMessageW"), 0U);
    }
}

TEST_F(RefreshThread, WithoutAWindowDoesNothing) {
    state.saverWindow = 0;
    services.clock = {At(12, 6, 0)};
    EXPECT_EQ(RefreshThreadProc(shell), 0U);
    EXPECT_TRUE(services.calls.empty());
    EXPECT_EQ(services.Count("InvalidateRect(0x0"), 0U);
}

TEST_F(RefreshThread, StartRoutineRunsTheThreadOnTheShellItIsGiven) {
    services.clock = {At(12, 5, 30)};
    QuitDuringWait(1);
    EXPECT_EQ(RefreshThreadStart(&shell), 0U);
    EXPECT_EQ(services.Count("PostMessageW(0x2002, 0x2, 0, 0)"), 1U);

    // A body that fails still ends the run, and nothing leaves the routine.
    FakeServices failing;
    Shell failingShell{failing, state};
    failing.throwAt = "Sleep";
    EXPECT_EQ(RefreshThreadStart(&failingShell), 1U);
    EXPECT_EQ(failing.calls.back(), "PostMessageW(0x2002, 0x2, 0, 0)");
}

}  // namespace
}  // namespace mr
