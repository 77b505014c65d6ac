#pragma once

#include <functional>
#include <string>

namespace tessaro {

struct StartOutcome {
    bool started = false;
    std::string error;  // the system's message when the start failed
};

// Process creation with one command line and an empty application name: the
// executable is the command line's first blank-separated prefix that names a file.
// The first window is asked to start hidden.
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    // Starts the process and watches it on a thread of its own; onEnd runs on the
    // user-interface thread once the process has ended.
    [[nodiscard]] virtual StartOutcome StartWatched(const std::string& commandLine,
                                                    const std::string& workingFolder,
                                                    std::function<void()> onEnd) = 0;
    // Starts the process and returns once it is ready for input (or has ended).
    [[nodiscard]] virtual StartOutcome StartAndWaitUntilIdle(const std::string& commandLine,
                                                             const std::string& workingFolder) = 0;
};

}  // namespace tessaro
