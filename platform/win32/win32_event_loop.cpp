#include "platform/win32/win32_event_loop.h"

#include <utility>

namespace tessaro::win32 {

namespace {

constexpr UINT kWakeUp = WM_APP + 0x2A;

}  // namespace

Win32EventLoop::Win32EventLoop() : threadId_(GetCurrentThreadId()) {
    // A thread has no message queue until its first message call; posts to it fail
    // before that.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
}

Win32EventLoop::~Win32EventLoop() = default;

void Win32EventLoop::Post(std::function<void()> f) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(std::move(f));
    }
    // A full queue loses only the wake-up; the function runs at the next message.
    PostThreadMessageW(threadId_, kWakeUp, 0, 0);
}

void Win32EventLoop::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Handle(msg);
    }
    RunPosted();
}

bool Win32EventLoop::RunUntil(const std::function<bool()>& done) {
    for (;;) {
        RunPosted();
        if (done())
            return true;
        MSG msg;
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1)
            return false;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        Handle(msg);
    }
}

void Win32EventLoop::Handle(const MSG& msg) {
    if (msg.hwnd == nullptr && msg.message == kWakeUp) {
        RunPosted();
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32EventLoop::RunPosted() {
    // Taken out under the lock and run outside it: a function may post again.
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(mutex_);
        batch.swap(posted_);
    }
    for (auto& f : batch)
        f();
}

}  // namespace tessaro::win32
