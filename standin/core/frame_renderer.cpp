#include "standin/core/frame_renderer.h"

#include <algorithm>
#include <cmath>

namespace tessaro::standin {
namespace {

constexpr float kNear = 0.1f;
constexpr float kFogStart = 30;
constexpr float kFogEnd = 120;
constexpr std::uint32_t kHorizon = 0xFFB4C8E6u;

std::uint32_t SkyColour(int y, int height) {
    int t = y * 255 / std::max(height - 1, 1);
    int r = 70 + (180 - 70) * t / 255, g = 110 + (200 - 110) * t / 255,
        b = 190 + (230 - 190) * t / 255;
    return 0xFF000000u | static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t weightB /* 0..256 */) {
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        std::uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= ((ca * (256 - weightB) + cb * weightB) >> 8) << shift;
    }
    return out;
}

std::uint32_t Scale(std::uint32_t colour, float factor) {
    auto f = static_cast<std::uint32_t>(std::clamp(factor, 0.0f, 1.0f) * 256);
    return Mix(0xFF000000u, colour, f);
}

std::uint32_t AddClamped(std::uint32_t a, std::uint32_t b) {
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= std::min<std::uint32_t>(((a >> shift) & 0xFF) + ((b >> shift) & 0xFF) / 2, 255)
               << shift;
    }
    return out;
}

}  // namespace

FrameRenderer::FrameRenderer(int width, int height, const RenderSettings& settings,
                             std::uint32_t seed)
    : width_(width),
      height_(height),
      settings_(settings),
      focal_(static_cast<float>(height) * 0.5f / std::tan(0.6f)),
      scene_(seed),
      particles_(scene_, settings.hardwarePhysics, seed ^ 0x9E3779B9u) {
    const auto pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    colour_.assign(pixels, 0);
    depth_.assign(pixels, 0);
    if (settings_.motionBlur)
        blurred_.assign(pixels, 0);
    screenParticles_.resize(particles_.Count());
}

const std::vector<std::uint32_t>& FrameRenderer::Picture() const {
    return settings_.motionBlur ? blurred_ : colour_;
}

std::uint64_t FrameRenderer::PictureChecksum() const {
    std::uint64_t hash = 1469598103934665603ull;
    for (std::uint32_t pixel : Picture()) {
        hash = (hash ^ pixel) * 1099511628211ull;
    }
    return hash;
}

bool FrameRenderer::OwnsRow(int y, unsigned worker, unsigned workers) const {
    return static_cast<unsigned>(y / kBandRows) % workers == worker;
}

void FrameRenderer::Render(double seconds, WorkerPool& pool) {
    const Camera camera = scene_.CameraAt(seconds);
    const float dt =
        lastSeconds_ < 0 ? 0.0f : static_cast<float>(std::min(seconds - lastSeconds_, 0.05));
    lastSeconds_ = seconds;
    yawRate_ = camera.yawRate;

    pool.Run([&](unsigned worker, unsigned workers) {
        if (worker == 0)
            SetUpTriangles(camera);
        const size_t count = particles_.Count();
        const size_t begin = count * worker / workers, end = count * (worker + 1) / workers;
        particles_.Step(begin, end, dt);
        ProjectParticles(begin, end, camera);
    });
    const int bands = (height_ + kBandRows - 1) / kBandRows;
    pool.Run([&](unsigned worker, unsigned workers) {
        for (int band = static_cast<int>(worker); band < bands; band += static_cast<int>(workers)) {
            DrawBand(band);
        }
        DrawParticles(worker, workers);
        for (int band = static_cast<int>(worker); band < bands; band += static_cast<int>(workers)) {
            if (settings_.motionBlur)
                BlurBand(band);
            if (settings_.showHud)
                DrawHudBand(band);
        }
    });
    ++frameNumber_;
}

void FrameRenderer::SetUpTriangles(const Camera& camera) {
    screenTriangles_.clear();
    for (const SceneTriangle& triangle : scene_.triangles) {
        float view[3][5];
        for (int i = 0; i < 3; ++i) {
            Vec3 offset = triangle.corner[i].position - camera.position;
            view[i][0] = Dot(offset, camera.right);
            view[i][1] = Dot(offset, camera.up);
            view[i][2] = Dot(offset, camera.forward);
            view[i][3] = triangle.corner[i].u;
            view[i][4] = triangle.corner[i].v;
        }
        if (view[0][2] < kNear && view[1][2] < kNear && view[2][2] < kNear)
            continue;
        // Clip against the near plane: the polygon keeps up to four corners.
        float polygon[4][5];
        int corners = 0;
        for (int i = 0; i < 3; ++i) {
            const float* a = view[i];
            const float* b = view[(i + 1) % 3];
            if (a[2] >= kNear)
                std::copy(a, a + 5, polygon[corners++]);
            if ((a[2] >= kNear) != (b[2] >= kNear)) {
                float t = (kNear - a[2]) / (b[2] - a[2]);
                for (int k = 0; k < 5; ++k)
                    polygon[corners][k] = a[k] + (b[k] - a[k]) * t;
                ++corners;
            }
        }
        for (int i = 1; i + 1 < corners; ++i) {
            const float fan[3][5] = {
                {polygon[0][0], polygon[0][1], polygon[0][2], polygon[0][3], polygon[0][4]},
                {polygon[i][0], polygon[i][1], polygon[i][2], polygon[i][3], polygon[i][4]},
                {polygon[i + 1][0], polygon[i + 1][1], polygon[i + 1][2], polygon[i + 1][3],
                 polygon[i + 1][4]}};
            AddClippedTriangle(fan, triangle.texture, triangle.brightness);
        }
    }
}

void FrameRenderer::AddClippedTriangle(const float (*view)[5], int texture, float brightness) {
    float sx[3], sy[3], q[3], uq[3], vq[3];
    for (int i = 0; i < 3; ++i) {
        q[i] = 1 / view[i][2];
        sx[i] = static_cast<float>(width_) * 0.5f + view[i][0] * q[i] * focal_;
        sy[i] = static_cast<float>(height_) * 0.5f - view[i][1] * q[i] * focal_;
        uq[i] = view[i][3] * q[i];
        vq[i] = view[i][4] * q[i];
    }
    const float area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0]);
    if (std::fabs(area) < 1e-6f)
        return;
    ScreenTriangle t{};
    t.minX = std::max(0, static_cast<int>(std::floor(std::min({sx[0], sx[1], sx[2]}))));
    t.maxX = std::min(width_ - 1, static_cast<int>(std::ceil(std::max({sx[0], sx[1], sx[2]}))));
    t.minY = std::max(0, static_cast<int>(std::floor(std::min({sy[0], sy[1], sy[2]}))));
    t.maxY = std::min(height_ - 1, static_cast<int>(std::ceil(std::max({sy[0], sy[1], sy[2]}))));
    if (t.minX > t.maxX || t.minY > t.maxY)
        return;
    const float sign = area > 0 ? 1.0f : -1.0f;
    for (int i = 0; i < 3; ++i) {
        int j = (i + 1) % 3;
        // Inside when the pixel lies on the same side of each edge as the third corner.
        t.edge[i][0] = -(sy[j] - sy[i]) * sign;
        t.edge[i][1] = (sx[j] - sx[i]) * sign;
        t.edge[i][2] = -(t.edge[i][0] * sx[i] + t.edge[i][1] * sy[i]);
    }
    auto plane = [&](const float* a) {
        Plane p;
        p.dx = ((a[1] - a[0]) * (sy[2] - sy[0]) - (a[2] - a[0]) * (sy[1] - sy[0])) / area;
        p.dy = ((a[2] - a[0]) * (sx[1] - sx[0]) - (a[1] - a[0]) * (sx[2] - sx[0])) / area;
        p.base = a[0] - p.dx * sx[0] - p.dy * sy[0];
        return p;
    };
    t.q = plane(q);
    t.uq = plane(uq);
    t.vq = plane(vq);
    t.texture = texture;
    t.brightness = brightness;
    screenTriangles_.push_back(t);
}

void FrameRenderer::DrawBand(int band) {
    const int rowBegin = band * kBandRows;
    const int rowEnd = std::min(rowBegin + kBandRows, height_);
    for (int y = rowBegin; y < rowEnd; ++y) {
        const std::uint32_t sky = SkyColour(y, height_);
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width_);
        std::fill_n(colour_.begin() + static_cast<std::ptrdiff_t>(row), width_, sky);
        std::fill_n(depth_.begin() + static_cast<std::ptrdiff_t>(row), width_, 0.0f);
    }
    for (const ScreenTriangle& triangle : screenTriangles_) {
        int begin = std::max(rowBegin, triangle.minY);
        int end = std::min(rowEnd, triangle.maxY + 1);
        if (begin < end)
            DrawTriangleRows(triangle, begin, end);
    }
}

void FrameRenderer::DrawTriangleRows(const ScreenTriangle& t, int rowBegin, int rowEnd) {
    const Texture& texture = scene_.textures[static_cast<size_t>(t.texture)];
    for (int y = rowBegin; y < rowEnd; ++y) {
        const float py = static_cast<float>(y) + 0.5f;
        // The row's span: where the pixel centre is on the inner side of all three edges.
        float first = static_cast<float>(t.minX), last = static_cast<float>(t.maxX);
        bool empty = false;
        for (const auto& edge : t.edge) {
            const float a = edge[0], k = edge[1] * py + edge[2];
            if (a > 0) {
                first = std::max(first, std::ceil(-k / a - 0.5f));
            } else if (a < 0) {
                last = std::min(last, std::floor(-k / a - 0.5f));
            } else if (k < 0) {
                empty = true;
            }
        }
        if (empty || first > last)
            continue;
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width_);
        for (int x = static_cast<int>(first); x <= static_cast<int>(last); ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            const float q = t.q.At(px, py);
            float& depth = depth_[row + static_cast<size_t>(x)];
            if (q <= depth)
                continue;
            depth = q;
            const float distance = 1 / q;
            if (distance >= kFogEnd) {
                colour_[row + static_cast<size_t>(x)] = kHorizon;
                continue;
            }
            const float u = t.uq.At(px, py) * distance;
            const float v = t.vq.At(px, py) * distance;
            const float dudx = (t.uq.dx - u * t.q.dx) * distance;
            const float dudy = (t.uq.dy - u * t.q.dy) * distance;
            const float dvdx = (t.vq.dx - v * t.q.dx) * distance;
            const float dvdy = (t.vq.dy - v * t.q.dy) * distance;
            const std::uint32_t texel =
                texture.Sample(u, v, dudx, dvdx, dudy, dvdy, settings_.maxAnisotropy);
            const float fog = std::max((distance - kFogStart) / (kFogEnd - kFogStart), 0.0f);
            colour_[row + static_cast<size_t>(x)] =
                Mix(Scale(texel, t.brightness), kHorizon, static_cast<std::uint32_t>(fog * 256));
        }
    }
}

void FrameRenderer::ProjectParticles(size_t begin, size_t end, const Camera& camera) {
    const auto& particles = particles_.Particles();
    for (size_t i = begin; i < end; ++i) {
        ScreenParticle& out = screenParticles_[i];
        out.y = -1;
        Vec3 offset = particles[i].position - camera.position;
        float z = Dot(offset, camera.forward);
        if (z < kNear)
            continue;
        float q = 1 / z;
        float x = static_cast<float>(width_) * 0.5f + Dot(offset, camera.right) * q * focal_;
        float y = static_cast<float>(height_) * 0.5f - Dot(offset, camera.up) * q * focal_;
        if (x < 0 || y < 0 || x >= static_cast<float>(width_) || y >= static_cast<float>(height_)) {
            continue;
        }
        out.x = static_cast<int>(x);
        out.y = static_cast<int>(y);
        out.size = std::clamp(static_cast<int>(0.15f * q * focal_), 1, 4);
        out.q = q;
        out.colour = particles[i].colour;
    }
}

void FrameRenderer::DrawParticles(unsigned worker, unsigned workers) {
    for (const ScreenParticle& particle : screenParticles_) {
        if (particle.y < 0)
            continue;
        for (int y = particle.y; y < std::min(particle.y + particle.size, height_); ++y) {
            if (!OwnsRow(y, worker, workers))
                continue;
            const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width_);
            for (int x = particle.x; x < std::min(particle.x + particle.size, width_); ++x) {
                const size_t at = row + static_cast<size_t>(x);
                if (particle.q <= depth_[at])
                    continue;
                colour_[at] = AddClamped(colour_[at], particle.colour);
            }
        }
    }
}

void FrameRenderer::BlurBand(int band) {
    // Smear along the camera's turn and keep part of the last frame.
    const int shift =
        std::clamp(static_cast<int>(yawRate_ * static_cast<float>(width_) * 0.02f), -8, 8);
    const int rowBegin = band * kBandRows;
    const int rowEnd = std::min(rowBegin + kBandRows, height_);
    for (int y = rowBegin; y < rowEnd; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width_);
        for (int x = 0; x < width_; ++x) {
            std::uint32_t sum[3] = {0, 0, 0};
            for (int tap = -2; tap <= 2; ++tap) {
                int sx = std::clamp(x + tap * shift / 2, 0, width_ - 1);
                std::uint32_t c = colour_[row + static_cast<size_t>(sx)];
                sum[0] += (c >> 16) & 0xFF;
                sum[1] += (c >> 8) & 0xFF;
                sum[2] += c & 0xFF;
            }
            std::uint32_t smeared =
                0xFF000000u | ((sum[0] / 5) << 16) | ((sum[1] / 5) << 8) | (sum[2] / 5);
            std::uint32_t& history = blurred_[row + static_cast<size_t>(x)];
            history = frameNumber_ == 0 ? smeared : Mix(smeared, history, 96);
        }
    }
}

}  // namespace tessaro::standin
