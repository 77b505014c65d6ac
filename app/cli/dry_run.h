#pragma once

#include <cstdio>

namespace tessaro {

struct MainWindow;

// Prints, for each launch the batch would make in order, its command line and its
// working folder. Starts nothing, touches no file, waits for nothing.
// Answers false when the run button's game-path check refuses the batch.
bool DryRun(MainWindow& mw, std::FILE* out);

}  // namespace tessaro
