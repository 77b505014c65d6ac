#pragma once

#include <span>

#include "engine/benchmark_batch.h"
#include "ui/main_controls.h"

namespace tessaro {

struct Demo {
    int Position;  // 1 to 35; radio item Position - 1
    const char* DisplayName;
    const char* MapName;
    int RunSeconds;
};

// The 35 flyby demos, in table order.
std::span<const Demo> DemoCatalogue();

// Copies the checked demo's name, map and run length into the batch; with no demo
// checked the batch keeps what it held.
void LookUpDemo(const MainControls& controls, BenchmarkBatch& batch);

}  // namespace tessaro
