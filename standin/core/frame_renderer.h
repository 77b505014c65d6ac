#pragma once

#include <cstdint>
#include <vector>

#include "standin/core/particles.h"
#include "standin/core/profile.h"
#include "standin/core/scene.h"
#include "standin/core/worker_pool.h"

namespace tessaro::standin {

// Renders the flythrough into an off-screen buffer. A frame is drawn in horizontal bands
// of rows dealt out to the workers in turn, so no two workers write the same pixel and
// the picture is the same whatever the number of threads.
//
//   Render(t):  [all workers] particles step and projection; worker 0 also sets up the
//                             triangles for the camera at t
//               [all workers] per band: sky and depth clear, triangles, particles,
//                             motion blur, HUD
class FrameRenderer {
  public:
    FrameRenderer(int width, int height, const RenderSettings& settings, std::uint32_t seed);

    void Render(double seconds, WorkerPool& pool);
    // The picture shown (0xAARRGGBB, row by row).
    const std::vector<std::uint32_t>& Picture() const;
    std::uint64_t PictureChecksum() const;

    static constexpr int kBandRows = 16;

  private:
    struct Plane {
        float base = 0, dx = 0, dy = 0;
        float At(float x, float y) const { return base + dx * x + dy * y; }
    };
    struct ScreenTriangle {
        float edge[3][3];  // a*x + b*y + c >= 0 inside
        Plane q, uq, vq;   // 1/z and the texture coordinates over z, linear on the screen
        int minX, maxX, minY, maxY;
        int texture;
        float brightness;
    };
    struct ScreenParticle {
        int x = 0, y = -1;
        int size = 1;
        float q = 0;
        std::uint32_t colour = 0;
    };

    void SetUpTriangles(const Camera& camera);
    void AddClippedTriangle(const float (*view)[5], int texture, float brightness);
    void ProjectParticles(size_t begin, size_t end, const Camera& camera);
    void DrawBand(int band);
    void DrawTriangleRows(const ScreenTriangle& triangle, int rowBegin, int rowEnd);
    void DrawParticles(unsigned worker, unsigned workers);
    void BlurBand(int band);
    void DrawHudBand(int band);
    bool OwnsRow(int y, unsigned worker, unsigned workers) const;

    int width_, height_;
    RenderSettings settings_;
    float focal_;  // pixels per unit of view-space slope
    Scene scene_;
    ParticleSystem particles_;
    std::vector<ScreenTriangle> screenTriangles_;
    std::vector<ScreenParticle> screenParticles_;
    std::vector<std::uint32_t> colour_;
    std::vector<float> depth_;
    std::vector<std::uint32_t> blurred_;  // the motion-blurred picture, also the history
    double lastSeconds_ = -1;
    float yawRate_ = 0;
    long long frameNumber_ = 0;
};

}  // namespace tessaro::standin
