// The refresh thread on a real second thread, next to a main thread that paints and takes input,
// as in the saver. Under the thread sanitizer (preset host-tsan) any unsynchronised sharing of the
// saver's state between the two is a failure.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "fake_services.hpp"
#include "shell/refresh_thread.hpp"
#include "shell/saver_window.hpp"

namespace mr {
namespace {

using testing::At;
using testing::FakeServices;

constexpr WindowHandle kWindow = 0x2002;

TEST(RefreshThreadConcurrency, MainThreadReadsTheSizeAndClosesTheSaver) {
    FakeServices services;
    services.windowRects[kWindow] = WindowRect{10, 20, 1930, 1100};
    services.clock = {At(12, 0, 58), At(12, 0, 59), At(12, 1, 0), At(12, 1, 1)};
    std::atomic<int> passes{0};
    // A short real wait per pass, so that the main thread runs alongside the loop.
    services.afterSleep = [&passes](int sleeps) {
        passes.store(sleeps);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    SaverState state;
    state.saverWindow = kWindow;
    state.inputTolerance = 3;
    Shell shell{services, state};

    std::thread refresh(RefreshThreadStart, &shell);

    // The main thread's side: paints read the size the refresh thread stores, mouse events count
    // down, and the password check's answer lands in quitRequested.
    std::int32_t widthSeen = 0;
    int checks = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (passes.load() < 40 && std::chrono::steady_clock::now() < deadline) {
        const SceneInputs inputs = SceneInputsFor(state, At(12, 0, 58));
        widthSeen = inputs.width;
        if (MouseEventRunsCheck(state)) {
            ++checks;
            state.quitRequested = false;  // a refused check: the saver stays
            state.inputTolerance = 3;
        }
        std::this_thread::yield();
    }
    state.quitRequested = true;
    refresh.join();

    ASSERT_GE(passes.load(), 40) << "the refresh thread stopped looping";
    EXPECT_GT(checks, 0);
    EXPECT_TRUE(widthSeen == 0 || widthSeen == 1920);
    const SceneInputs after = SceneInputsFor(state, At(12, 1, 0));
    EXPECT_EQ(after.width, 1920);
    EXPECT_EQ(after.height, 1080);
    // Closing is one WM_DESTROY, after the last wait, and the thread ends.
    ASSERT_FALSE(services.calls.empty());
    EXPECT_EQ(services.calls.back().rfind("PostMessageW(", 0), 0U) << services.calls.back();
    EXPECT_EQ(services.Count("PostMessageW("), 1U);
    EXPECT_EQ(services.calls[services.calls.size() - 2], "Sleep(1000)");
    // One repaint from the start, one for 12:01 at the third reading.
    EXPECT_EQ(services.Count("InvalidateRect("), 2U);
}

}  // namespace
}  // namespace mr
