#include "standin/core/flythrough.h"

#include <chrono>
#include <random>

#include "standin/core/frame_renderer.h"
#include "standin/core/worker_pool.h"

namespace tessaro::standin {

FlythroughResult RunFlythrough(const FlythroughConfig& config) {
    using Clock = std::chrono::steady_clock;
    FrameRenderer renderer(config.width, config.height, config.settings, config.seed);
    WorkerPool pool(config.threads);
    FlythroughResult result;
    result.threads = pool.Size();

    const Clock::time_point start = Clock::now();
    double elapsed = 0;
    do {
        renderer.Render(elapsed, pool);
        ++result.frames;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < config.seconds);

    result.seconds = elapsed;
    result.framesPerSecond = elapsed > 0 ? static_cast<double>(result.frames) / elapsed : 0;
    result.lastPictureChecksum = renderer.PictureChecksum();
    return result;
}

std::uint32_t SceneSeed(bool fixedSeed) {
    if (fixedSeed)
        return 20071119u;
    return std::random_device{}() ^
           static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace tessaro::standin
