// Placeholder until the run gate lands.
#include "engine/run_gate.h"
namespace tessaro {
void BenchButtonClick(MainWindow&) {}
void IsSteamRunning(MainWindow&) {}
void PollGame(MainWindow&) {}
void WaitForGameExit(MainWindow&) {}
void StartSteamClient(MainWindow&) {}
}  // namespace tessaro
