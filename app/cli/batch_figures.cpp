#include "app/cli/batch_figures.h"

#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include "platform/win32/resource_counts.h"

namespace tessaro {
namespace {

double Seconds(const FILETIME& t) {
    ULARGE_INTEGER u;
    u.LowPart = t.dwLowDateTime;
    u.HighPart = t.dwHighDateTime;
    return static_cast<double>(u.QuadPart) / 1e7;
}

double OwnCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    return Seconds(kernel) + Seconds(user);
}

double WallSeconds() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

}  // namespace

void BatchFigures::ClockProbe::Sleep(int ms) {
    f_.clock_.Sleep(ms);
    f_.sleptSinceEnd_ += ms / 1000.0;
}

StartOutcome BatchFigures::LauncherProbe::StartWatched(const std::string& commandLine,
                                                       const std::string& folder,
                                                       std::function<void()> onEnd) {
    BatchFigures& f = f_;
    if (f.lastEnd_ >= 0) {
        f.gapWall_ += WallSeconds() - f.lastEnd_;
        f.gapSlept_ += f.sleptSinceEnd_;
        f.lastEnd_ = -1;
    }
    f.cpuAtStart_ = OwnCpuSeconds();
    return f.launcher_.StartWatched(commandLine, folder, [&f, onEnd = std::move(onEnd)] {
        f.cpuWhileGameRuns_ += OwnCpuSeconds() - f.cpuAtStart_;
        ++f.runs_;
        f.lastEnd_ = WallSeconds();
        f.sleptSinceEnd_ = 0;
        onEnd();
    });
}

void BatchFigures::BatchEnded() {
    if (lastEnd_ < 0)
        return;
    finishWall_ += WallSeconds() - lastEnd_;
    finishSlept_ += sleptSinceEnd_;
    lastEnd_ = -1;
}

void BatchFigures::Print(std::FILE* out, int batches) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    unsigned long handles = win32::OpenHandleCount();
    unsigned long gdi = win32::GdiObjectCount();

    int gaps = runs_ - batches;  // runs followed by another run of the same batch
    std::fprintf(out,
                 "figures: batches=%d runs=%d cpu_ms_per_run_while_game_runs=%.3f "
                 "extra_wall_ms_per_gap=%.1f end_of_batch_ms=%.1f peak_working_set_kb=%llu "
                 "handles=%lu gdi_objects=%lu\n",
                 batches, runs_, runs_ ? 1000 * cpuWhileGameRuns_ / runs_ : 0.0,
                 gaps > 0 ? 1000 * (gapWall_ - gapSlept_) / gaps : 0.0,
                 batches ? 1000 * (finishWall_ - finishSlept_) / batches : 0.0,
                 static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024), handles, gdi);
    std::fflush(out);
}

}  // namespace tessaro
