// Placeholder until the sequencer lands.
#include "engine/batch_sequencer.h"
namespace tessaro {
void ResetBatch(MainWindow&) {}
void StartBatch(MainWindow&) {}
void LaunchFrom(MainWindow&, const ResolutionSlot*) {}
void cpTerminate(MainWindow&) {}
void RecordRunResult(MainWindow&) {}
void AbortBatch(MainWindow&, const std::string&) {}
}  // namespace tessaro
