#pragma once

#include <string>

namespace tessaro {

// The one batch state of the program's run, reused by every batch.
struct BenchmarkBatch {
    int SelectedSlots = 0;
    int RunsDoneInSlot = 0;
    int CompletedSlots = 0;
    int ScoreSum = 0;
    bool CaptionWritten = false;

    std::string CurrentTag;
    std::string ChartLabel;
    std::string CommandLine;
    std::string NumPlay;

    std::string DemoName, MapName, RunSeconds;

    std::string StatsFile, StatsLogFile, GlobalStatsFile;
    std::string BenchmarkTypeLine;

    std::string Stamp;
    std::string StartedText;

    int SavedWidth = 0, SavedHeight = 0, SavedLeft = 0, SavedTop = 0;

    // Whether a batch is under way: from StartBatch passing its checks to the end of
    // FinishBatch (or to a clean abort).
    bool Running = false;
};

}  // namespace tessaro
