// The user-interface thread's queue: work handed over from other threads.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/win32/win32_event_loop.h"
#include "win32_test_support.h"

namespace tessaro::win32 {
namespace {

TEST(EventLoopTest, PostsFromOtherThreadsRunOnTheUiThreadInOrder) {
    Win32EventLoop loop;
    std::vector<int> ran;
    std::vector<DWORD> threads;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i) {
            loop.Post([&ran, &threads, i] {
                ran.push_back(i);
                threads.push_back(GetCurrentThreadId());
            });
        }
    });
    ASSERT_TRUE(testing::RunUntilOrTimeout(loop, [&] { return ran.size() == 100; }));
    worker.join();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(ran[static_cast<std::size_t>(i)], i);
    for (DWORD t : threads)
        EXPECT_EQ(t, GetCurrentThreadId());
}

TEST(EventLoopTest, ProcessMessagesRunsWhatIsQueuedAndReturns) {
    Win32EventLoop loop;
    int ran = 0;
    loop.Post([&] {
        ++ran;
        loop.Post([&] { ++ran; });  // posted while running: still runs, not lost
    });
    loop.ProcessMessages();
    loop.ProcessMessages();
    EXPECT_EQ(ran, 2);
    loop.ProcessMessages();  // nothing queued: returns at once
    EXPECT_EQ(ran, 2);
}

TEST(EventLoopTest, RunUntilReturnsAtOnceWhenAlreadyDone) {
    Win32EventLoop loop;
    EXPECT_TRUE(loop.RunUntil([] { return true; }));
}

TEST(EventLoopTest, WorkSurvivesAForeignLoopThatSwallowsTheWakeUp) {
    Win32EventLoop loop;
    bool ran = false;
    std::thread worker([&] { loop.Post([&] { ran = true; }); });
    worker.join();
    // What a message box's loop does with thread messages: dispatches them to no window.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_FALSE(ran);
    ASSERT_TRUE(testing::RunUntilOrTimeout(loop, [&] { return ran; }));
}

TEST(EventLoopTest, QuitRequestEndsRunUntilAndStaysForTheOuterLoop) {
    Win32EventLoop loop;
    PostQuitMessage(7);
    EXPECT_FALSE(loop.RunUntil([] { return false; }));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace tessaro::win32
