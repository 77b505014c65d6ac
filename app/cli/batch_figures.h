#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/process_launcher.h"

namespace tessaro {

// What a batch costs the front-end, measured around the real clock and process
// launcher: its own CPU time while a game runs, its wall time between games beyond
// the prescribed waits, and the time from the last game's end to the batch's end.
class BatchFigures {
  public:
    BatchFigures(Clock& clock, ProcessLauncher& launcher) : clock_(clock), launcher_(launcher) {}

    Clock& clock() { return clockProbe_; }
    ProcessLauncher& launcher() { return launcherProbe_; }

    void BatchEnded();
    // One line of figures for the batches so far, then the process's resource counts.
    void Print(std::FILE* out, int batches);

  private:
    class ClockProbe : public Clock {
      public:
        explicit ClockProbe(BatchFigures& f) : f_(f) {}
        void Sleep(int ms) override;
        LocalTime Now() override { return f_.clock_.Now(); }

      private:
        BatchFigures& f_;
    };
    class LauncherProbe : public ProcessLauncher {
      public:
        explicit LauncherProbe(BatchFigures& f) : f_(f) {}
        StartOutcome StartWatched(const std::string& commandLine, const std::string& folder,
                                  std::function<void()> onEnd) override;
        StartOutcome StartAndWaitUntilIdle(const std::string& commandLine,
                                           const std::string& folder) override {
            return f_.launcher_.StartAndWaitUntilIdle(commandLine, folder);
        }

      private:
        BatchFigures& f_;
    };

    Clock& clock_;
    ProcessLauncher& launcher_;
    ClockProbe clockProbe_{*this};
    LauncherProbe launcherProbe_{*this};

    int runs_ = 0;
    double cpuWhileGameRuns_ = 0;  // seconds
    double cpuAtStart_ = 0;
    double gapWall_ = 0;     // seconds between a game's end and the next start
    double gapSlept_ = 0;    // of which prescribed waits
    double finishWall_ = 0;  // last game's end to the batch's end
    double finishSlept_ = 0;
    double lastEnd_ = -1;
    double sleptSinceEnd_ = 0;
};

}  // namespace tessaro
