#pragma once

#include <string>

#include "engine/resolution_slots.h"

namespace tessaro {

struct MainWindow;

// The batch is driven by events on the user-interface thread: the run button
// starts it, each game exit (cpTerminate) advances it by one run.
//
//   UI thread:      BenchButtonClick -> StartBatch -> LaunchFrom -> StartGame
//   watcher thread: waits for the game process, posts its end
//   UI thread:      cpTerminate -> RecordRunResult -> LaunchFrom ... -> FinishBatch

void ResetBatch(MainWindow& mw);
void StartBatch(MainWindow& mw);
// Starts the next run at this slot or the first selected one after it.
void LaunchFrom(MainWindow& mw, const ResolutionSlot* slot);
void cpTerminate(MainWindow& mw);
void RecordRunResult(MainWindow& mw);

// Ends a batch that cannot go on: the profile is restored, the progress panel hidden,
// the run button enabled and the user told what failed.
void AbortBatch(MainWindow& mw, const std::string& message);

// The runs per slot every decision of a batch uses: a runs setting never stored
// nor chosen (0) runs each slot once instead of repeating the first slot forever.
int EffectiveRunsPerSlot(const MainWindow& mw);

}  // namespace tessaro
