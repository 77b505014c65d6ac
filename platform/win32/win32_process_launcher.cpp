#include "platform/win32/win32_process_launcher.h"

#include <windows.h>

#include <utility>

#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

struct Started {
    UniqueHandle process;
    StartOutcome outcome;
};

// An empty application name: the system finds the executable among the command
// line's growing blank-separated prefixes, so an unquoted path with blanks works.
Started Start(const std::string& commandLine, const std::string& workingFolder) {
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    std::wstring folder = Widen(workingFolder);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION | STARTF_USESIZE;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
        return {UniqueHandle(), StartOutcome{false, SystemMessage(GetLastError())}};
    }
    CloseHandle(pi.hThread);
    return {UniqueHandle(pi.hProcess), StartOutcome{true, {}}};
}

}  // namespace

Win32ProcessLauncher::Win32ProcessLauncher(Win32EventLoop& loop)
    : loop_(loop), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

Win32ProcessLauncher::~Win32ProcessLauncher() {
    if (stop_)
        SetEvent(stop_.get());
    for (auto& w : waiters_)
        w->thread.join();
}

StartOutcome Win32ProcessLauncher::StartWatched(const std::string& commandLine,
                                                const std::string& workingFolder,
                                                std::function<void()> onEnd) {
    JoinFinishedWaiters();
    Started started = Start(commandLine, workingFolder);
    if (!started.outcome.started)
        return started.outcome;

    auto waiter = std::make_unique<Waiter>();
    Waiter* self = waiter.get();
    HANDLE stop = stop_.get();
    waiter->thread = std::thread([this, self, stop, process = std::move(started.process),
                                  onEnd = std::move(onEnd)]() mutable {
        HANDLE handles[] = {process.get(), stop};
        DWORD count = stop ? 2 : 1;
        DWORD woke = WaitForMultipleObjects(count, handles, FALSE, INFINITE);
        process.Reset();
        // Anything but the stop request counts as the end, so a batch never hangs on it.
        if (woke != WAIT_OBJECT_0 + 1)
            loop_.Post(std::move(onEnd));
        self->finished = true;
    });
    waiters_.push_back(std::move(waiter));
    return started.outcome;
}

StartOutcome Win32ProcessLauncher::StartAndWaitUntilIdle(const std::string& commandLine,
                                                         const std::string& workingFolder) {
    Started started = Start(commandLine, workingFolder);
    // A process without a message queue (a console program) returns at once.
    if (started.outcome.started)
        WaitForInputIdle(started.process.get(), INFINITE);
    return started.outcome;
}

void Win32ProcessLauncher::JoinFinishedWaiters() {
    for (auto it = waiters_.begin(); it != waiters_.end();) {
        if ((*it)->finished) {
            (*it)->thread.join();
            it = waiters_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace tessaro::win32
