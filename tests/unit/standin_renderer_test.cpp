// The stand-in's flythrough renderer: real work whose amount follows the settings.
#ifdef TESSARO_HAS_STANDIN_CORE
#include <gtest/gtest.h>

#include <set>

#include "standin/core/flythrough.h"
#include "standin/core/frame_renderer.h"
#include "standin/core/texture.h"
#include "standin/core/worker_pool.h"

namespace tessaro::standin {
namespace {

// Two frames, so the particles move and the blur has a history.
std::uint64_t PictureAfterTwoFrames(int width, int height, const RenderSettings& settings,
                                    unsigned threads, std::uint32_t seed = 7) {
    FrameRenderer renderer(width, height, settings, seed);
    WorkerPool pool(threads);
    renderer.Render(1.0, pool);
    renderer.Render(1.04, pool);
    return renderer.PictureChecksum();
}

TEST(StandinRenderer, ThePictureDoesNotDependOnTheThreadCount) {
    RenderSettings everything;
    everything.maxAnisotropy = 16;
    everything.motionBlur = true;
    everything.hardwarePhysics = true;
    everything.showHud = true;
    for (const RenderSettings& settings : {RenderSettings{}, everything}) {
        // 203 rows: the last band is a partial one.
        const std::uint64_t single = PictureAfterTwoFrames(160, 203, settings, 1);
        EXPECT_EQ(PictureAfterTwoFrames(160, 203, settings, 2), single);
        EXPECT_EQ(PictureAfterTwoFrames(160, 203, settings, 5), single);
    }
}

TEST(StandinRenderer, EverySettingChangesThePicture) {
    RenderSettings base;
    base.maxAnisotropy = 0;
    base.showHud = false;
    std::vector<RenderSettings> variants(6, base);
    variants[1].maxAnisotropy = 4;
    variants[2].maxAnisotropy = 16;
    variants[3].motionBlur = true;
    variants[4].hardwarePhysics = true;
    variants[5].showHud = true;
    std::set<std::uint64_t> pictures;
    for (const RenderSettings& settings : variants) {
        pictures.insert(PictureAfterTwoFrames(200, 150, settings, 2));
    }
    EXPECT_EQ(pictures.size(), variants.size());
}

TEST(StandinRenderer, TheSeedFixesTheScene) {
    RenderSettings settings;
    EXPECT_EQ(PictureAfterTwoFrames(120, 90, settings, 1, 3),
              PictureAfterTwoFrames(120, 90, settings, 1, 3));
    EXPECT_NE(PictureAfterTwoFrames(120, 90, settings, 1, 3),
              PictureAfterTwoFrames(120, 90, settings, 1, 4));
    EXPECT_EQ(SceneSeed(true), SceneSeed(true));
}

TEST(StandinRenderer, TheCameraMovesWithTime) {
    RenderSettings settings;
    FrameRenderer renderer(120, 90, settings, 5);
    WorkerPool pool(1);
    renderer.Render(0, pool);
    const std::uint64_t first = renderer.PictureChecksum();
    renderer.Render(3, pool);
    EXPECT_NE(renderer.PictureChecksum(), first);
}

TEST(StandinRenderer, TheGroundIsDrawnWithTexture) {
    FrameRenderer renderer(160, 120, RenderSettings{}, 5);
    WorkerPool pool(1);
    renderer.Render(0, pool);
    // The lower half looks at the ground: many different colours, not the sky's one per row.
    std::set<std::uint32_t> colours;
    const auto& picture = renderer.Picture();
    for (size_t i = picture.size() * 3 / 4; i < picture.size(); ++i)
        colours.insert(picture[i]);
    EXPECT_GT(colours.size(), 200u);
}

TEST(StandinRenderer, AnisotropicFilteringTakesMoreTapsAtGrazingAngles) {
    Texture texture = Texture::Make(Texture::Pattern::Ground, 6, 1);
    // A footprint eight times longer than wide: 1 tap without filtering, 8 with 16x.
    const float dudx = 1.0f / 64, dvdy = 8.0f / 64;
    std::set<std::uint32_t> results;
    for (int level : {0, 4, 8, 16})
        results.insert(texture.Sample(0.3f, 0.6f, dudx, 0, 0, dvdy, level));
    EXPECT_GE(results.size(), 3u);
    // An isotropic footprint gives the same texel whatever the level.
    EXPECT_EQ(texture.Sample(0.3f, 0.6f, dudx, 0, 0, dudx, 0),
              texture.Sample(0.3f, 0.6f, dudx, 0, 0, dudx, 16));
}

TEST(StandinFlythrough, RunsForTheGivenTimeAndAtLeastOneFrame) {
    FlythroughConfig config;
    config.width = 64;
    config.height = 48;
    config.threads = 2;
    config.seconds = 0;
    FlythroughResult none = RunFlythrough(config);
    EXPECT_EQ(none.frames, 1);
    EXPECT_EQ(none.threads, 2u);

    config.seconds = 0.2;
    FlythroughResult run = RunFlythrough(config);
    EXPECT_GE(run.seconds, 0.2);
    EXPECT_GT(run.frames, 1);
    EXPECT_NEAR(run.framesPerSecond, static_cast<double>(run.frames) / run.seconds, 1e-9);
}

TEST(StandinWorkerPool, EveryWorkerRunsEachJobOnce) {
    WorkerPool pool(4);
    std::vector<int> runs(4, 0);
    for (int job = 0; job < 50; ++job) {
        pool.Run([&](unsigned worker, unsigned workers) {
            EXPECT_EQ(workers, 4u);
            ++runs[worker];
        });
    }
    EXPECT_EQ(runs, (std::vector<int>{50, 50, 50, 50}));
    EXPECT_EQ(RenderThreadCount(true), 1u);
    EXPECT_GE(RenderThreadCount(false), 1u);
}

}  // namespace
}  // namespace tessaro::standin
#endif
