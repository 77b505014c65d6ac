#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

#include "platform/event_loop.h"

namespace tessaro::win32 {

// The user-interface thread's message queue, and the way other threads hand work
// back to it.
//
//   waiter / update thread ──Post(f)──► queue (locked) ──wake-up message──► UI thread
//                                                               RunUntil / ProcessMessages
//
// The functions themselves wait in a queue of their own and the thread message only
// wakes the loop: a modal loop (a message box, a task dialog) drops thread messages,
// and a function carried by one would be lost with it.
class Win32EventLoop final : public EventLoop {
  public:
    // Must be constructed on the user-interface thread.
    Win32EventLoop();
    ~Win32EventLoop() override;
    Win32EventLoop(const Win32EventLoop&) = delete;
    Win32EventLoop& operator=(const Win32EventLoop&) = delete;

    // Callable from any thread; f runs on the user-interface thread.
    void Post(std::function<void()> f);
    void ProcessMessages() override;
    // Handles messages, blocking between them, until done() holds. False when the
    // thread was asked to quit first (the quit request is left for the outer loop).
    bool RunUntil(const std::function<bool()>& done);

  private:
    void Handle(const MSG& msg);
    void RunPosted();

    DWORD threadId_;
    std::mutex mutex_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace tessaro::win32
