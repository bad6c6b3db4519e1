#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/frame_window.h"
#include "framework_test_support.h"

namespace {

const UINT WakeMessage = WM_APP + 10;
const UINT QuitMessage = WM_APP + 11;

// The main window: on QuitMessage it ends the loop with exit code 7.
class LoopFrame : public TFrameWindow {
public:
    LoopFrame() : TFrameWindow(nullptr, "Loop") {}
    LRESULT EvWake(WPARAM, LPARAM) {
        ++wakeMessages;
        return 0;
    }
    LRESULT EvQuit(WPARAM, LPARAM) {
        PostQuitMessage(7);
        return 0;
    }
    int wakeMessages = 0;

    DECLARE_RESPONSE_TABLE(LoopFrame);
};

// clang-format off
DEFINE_RESPONSE_TABLE(LoopFrame, TFrameWindow)
    EV_MESSAGE(WakeMessage, EvWake),
    EV_MESSAGE(QuitMessage, EvQuit),
END_RESPONSE_TABLE;
// clang-format on

// Records the idle counts and the moments the loop blocks. Its idle action asks for more time until the
// count reaches 3. At the first block a thread posts WakeMessage a little later; at the second, QuitMessage.
class LoopApplication : public TApplication {
public:
    LoopApplication() : TApplication("Loop") {}
    ~LoopApplication() override {
        if (poster.joinable()) {
            poster.join();
        }
    }

    void InitMainWindow() override { SetMainWindow(frame = new LoopFrame); }

    bool IdleAction(long idleCount) override {
        counts.push_back(idleCount);
        return idleCount < 3;
    }

    // Other messages (painting, the platform's own) may wake the loop too; the wake message is posted once,
    // and the quit message once the wake message has been handled.
    void WaitForMessage() override {
        countsAtBlock.push_back(counts.size());
        if (!wakePosted) {
            PostLater(WakeMessage);
            wakePosted = true;
        } else if (frame->wakeMessages == 1 && !quitPosted) {
            PostLater(QuitMessage);
            quitPosted = true;
        }
        auto start = std::chrono::steady_clock::now();
        TApplication::WaitForMessage();
        blockedFor.push_back(std::chrono::steady_clock::now() - start);
    }

    void PostLater(UINT message) {
        if (poster.joinable()) {
            poster.join();
        }
        HWND target = frame->GetHandle();
        poster = std::thread([message, target] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            PostMessageA(target, message, 0, 0);
        });
    }

    bool wakePosted = false;
    bool quitPosted = false;
    LoopFrame *frame = nullptr;
    std::vector<long> counts;
    std::vector<size_t> countsAtBlock;
    std::vector<std::chrono::steady_clock::duration> blockedFor;
    std::thread poster;
};

TEST(MessageLoop, IdlesWithoutBlockingWhileAskedThenBlocksUntilAMessage) {
    LoopWatchdog watchdog;
    LoopApplication application;
    EXPECT_EQ(application.Run(), 7);

    ASSERT_GE(application.countsAtBlock.size(), 2u);
    const std::vector<long> &counts = application.counts;
    // The first block came right after the idle action ran with 0, 1, 2, 3 (the last one answered false).
    ASSERT_EQ(application.countsAtBlock[0], 4u);
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[3], 3);
    // Before every block the count rose by one from its last restart at 0 to at least 3. (A wake-up that
    // brings no message to dispatch does not restart it.)
    for (size_t block : application.countsAtBlock) {
        ASSERT_GE(block, 4u);
        EXPECT_GE(counts[block - 1], 3);
        for (size_t i = block - 1; counts[i] != 0; --i) {
            EXPECT_EQ(counts[i - 1], counts[i] - 1) << "at " << i;
        }
    }
    // The wake message's batch restarted the count at 0.
    EXPECT_GE(std::count(counts.begin(), counts.end(), 0L), 2);
    EXPECT_EQ(application.frame->wakeMessages, 1);
    // Blocking really waited for a posted message.
    auto longest = *std::max_element(application.blockedFor.begin(), application.blockedFor.end());
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(longest).count(), 80);
}

// An idle action that keeps asking: the loop never blocks, and messages still get through.
class BusyApplication : public TApplication {
public:
    BusyApplication() : TApplication("Busy") {}
    void InitMainWindow() override { SetMainWindow(frame = new LoopFrame); }
    bool IdleAction(long idleCount) override {
        highest = std::max(highest, idleCount);
        if (idleCount == 1000) {
            frame->PostMessage(WakeMessage);
        }
        if (frame->wakeMessages == 1 && idleCount == 500) {
            frame->PostMessage(QuitMessage);
        }
        return true;
    }
    void WaitForMessage() override { ++blocks; }

    LoopFrame *frame = nullptr;
    long highest = 0;
    int blocks = 0;
};

TEST(MessageLoop, NeverBlocksWhileTheIdleActionAsksForMore) {
    LoopWatchdog watchdog;
    BusyApplication application;
    EXPECT_EQ(application.Run(), 7);
    EXPECT_EQ(application.blocks, 0);
    EXPECT_GE(application.highest, 1000);
}

TEST(MessageLoop, DestroyingTheMainWindowEndsRunWithZero) {
    struct DestroyApplication : TApplication {
        void InitMainWindow() override { SetMainWindow(new TFrameWindow(nullptr, "Destroy")); }
        bool IdleAction(long) override {
            GetMainWindow()->Destroy();
            return false;
        }
    } application;
    LoopWatchdog watchdog;
    EXPECT_EQ(application.Run(), 0);
}

TEST(MessageLoop, ApplicationIdleReachesTheMainWindowsChildren) {
    struct Child : TWindow {
        explicit Child(TWindow *parent) : TWindow(parent) {}
        bool IdleAction(long idleCount) override {
            counts.push_back(idleCount);
            return idleCount < 2;
        }
        std::vector<long> counts;
    };
    struct ChildApplication : TApplication {
        void InitMainWindow() override {
            auto *frame = new TFrameWindow(nullptr, "Children");
            child = new Child(frame);
            SetMainWindow(frame);
        }
        void WaitForMessage() override { GetMainWindow()->Destroy(); }
        Child *child = nullptr;
    } application;
    LoopWatchdog watchdog;
    EXPECT_EQ(application.Run(), 0);
    ASSERT_GE(application.child->counts.size(), 3u);
    EXPECT_EQ(std::vector<long>(application.child->counts.end() - 3, application.child->counts.end()),
              (std::vector<long>{0, 1, 2}));
}

TEST(MessageLoop, IdleCountStopsAtItsLargestValue) {
    EXPECT_EQ(TApplication::NextIdleCount(0), 1);
    EXPECT_EQ(TApplication::NextIdleCount(41), 42);
    EXPECT_EQ(TApplication::NextIdleCount(LONG_MAX - 1), LONG_MAX);
    EXPECT_EQ(TApplication::NextIdleCount(LONG_MAX), LONG_MAX);
}

} // namespace
