#pragma once

#include <cstdint>

#include "standin/core/profile.h"

namespace tessaro::standin {

struct FlythroughConfig {
    int width = 1024;
    int height = 768;
    RenderSettings settings;
    unsigned threads = 1;
    std::uint32_t seed = 1;
    double seconds = 10;
};

struct FlythroughResult {
    long long frames = 0;
    double seconds = 0;  // from the first frame's start to the last frame's end
    double framesPerSecond = 0;
    unsigned threads = 1;
    std::uint64_t lastPictureChecksum = 0;
};

// Renders frames, the camera following the clock, until the run length has passed; always
// at least one frame, so a zero-length run still has a frame rate.
FlythroughResult RunFlythrough(const FlythroughConfig& config);

// The scene seed: fixed with -fixedseed, otherwise new on every start.
std::uint32_t SceneSeed(bool fixedSeed);

}  // namespace tessaro::standin
