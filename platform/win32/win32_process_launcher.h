#pragma once

#include <atomic>
#include <list>
#include <memory>
#include <thread>

#include "platform/process_launcher.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_event_loop.h"

namespace tessaro::win32 {

// Starts processes from one command line. A watched process has a waiter thread of
// its own that blocks on the process handle and posts the end to the event loop:
//
//   UI thread: StartWatched ──CreateProcessW──► child
//   waiter:    WaitForMultipleObjects(child, stop) ──► loop.Post(onEnd) ──► UI thread
//
// Finished waiters are joined at the next start; the destructor stops and joins the
// rest, so no waiter outlives the launcher or the loop.
class Win32ProcessLauncher final : public ProcessLauncher {
  public:
    explicit Win32ProcessLauncher(Win32EventLoop& loop);
    ~Win32ProcessLauncher() override;
    Win32ProcessLauncher(const Win32ProcessLauncher&) = delete;
    Win32ProcessLauncher& operator=(const Win32ProcessLauncher&) = delete;

    [[nodiscard]] StartOutcome StartWatched(const std::string& commandLine,
                                            const std::string& workingFolder,
                                            std::function<void()> onEnd) override;
    [[nodiscard]] StartOutcome StartAndWaitUntilIdle(const std::string& commandLine,
                                                     const std::string& workingFolder) override;

  private:
    struct Waiter {
        std::thread thread;
        std::atomic<bool> finished{false};
    };
    void JoinFinishedWaiters();

    Win32EventLoop& loop_;
    UniqueHandle stop_;  // manual-reset; set once, when the launcher goes away
    std::list<std::unique_ptr<Waiter>> waiters_;
};

}  // namespace tessaro::win32
