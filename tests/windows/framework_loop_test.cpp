#include <gtest/gtest.h>

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

    void WaitForMessage() override {
        countsAtBlock.push_back(counts.size());
        if (poster.joinable()) {
            poster.join();
        }
        UINT message = countsAtBlock.size() == 1 ? WakeMessage : QuitMessage;
        HWND target = frame->GetHandle();
        poster = std::thread([message, target] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            PostMessageA(target, message, 0, 0);
        });
        auto start = std::chrono::steady_clock::now();
        TApplication::WaitForMessage();
        blockedFor.push_back(std::chrono::steady_clock::now() - start);
    }

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

    ASSERT_EQ(application.countsAtBlock.size(), 2u);
    // Before each block the idle action ran with 0, 1, 2, 3 (the last one answered false).
    size_t first = application.countsAtBlock[0];
    size_t second = application.countsAtBlock[1];
    ASSERT_GE(first, 4u);
    EXPECT_EQ(std::vector<long>(application.counts.begin() + long(first) - 4, application.counts.begin() + long(first)),
              (std::vector<long>{0, 1, 2, 3}));
    // After the wake message the count starts again at 0.
    EXPECT_EQ(std::vector<long>(application.counts.begin() + long(first), application.counts.begin() + long(second)),
              (std::vector<long>{0, 1, 2, 3}));
    EXPECT_EQ(application.frame->wakeMessages, 1);
    // Blocking really waited for the posted message.
    for (auto blocked : application.blockedFor) {
        EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(blocked).count(), 80);
    }
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
