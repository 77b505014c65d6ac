#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/win32/program_info.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_event_loop.h"

namespace tessaro::win32::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        static std::atomic<int> serial{0};
        path_ = std::filesystem::path(temp) /
                (L"tessaro-win32-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++serial));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // UTF-8, with a trailing "\".
    std::string Path() const { return Narrow(path_.wstring()) + "\\"; }
    std::string operator/(const std::string& name) const { return Path() + name; }

  private:
    std::filesystem::path path_;
};

inline std::string ChildProgram() {
    return ProgramFolder() + "tessaro_test_child.exe";
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline void Touch(const std::string& path) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
}

// RunUntil with a time limit, so a fault shows as a failure instead of a hang.
inline bool RunUntilOrTimeout(Win32EventLoop& loop, const std::function<bool()>& done,
                              std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    bool timedOut = false;
    std::mutex m;
    std::condition_variable cv;
    bool finished = false;
    std::thread watchdog([&] {
        std::unique_lock lock(m);
        if (!cv.wait_for(lock, limit, [&] { return finished; })) {
            loop.Post([&] { timedOut = true; });
        }
    });
    loop.RunUntil([&] { return timedOut || done(); });
    {
        std::lock_guard lock(m);
        finished = true;
    }
    cv.notify_all();
    watchdog.join();
    loop.ProcessMessages();  // a late time-out function must not outlive timedOut
    return done();
}

}  // namespace tessaro::win32::testing
