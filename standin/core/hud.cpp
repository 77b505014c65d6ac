// The HUD: a translucent status panel, a crosshair, a radar with the pillars on it and a
// frame counter, drawn over the finished band.
#include <algorithm>
#include <cmath>
#include <string>

#include "standin/core/frame_renderer.h"

namespace tessaro::standin {
namespace {

// Digits 0-9 in a 3 x 5 font, one row of three bits per entry.
constexpr unsigned char kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

struct BandCanvas {
    std::uint32_t* pixels;
    int width, height, rowBegin, rowEnd;

    void Blend(int x, int y, std::uint32_t colour, std::uint32_t alpha /* 0..256 */) {
        if (x < 0 || x >= width || y < rowBegin || y >= rowEnd)
            return;
        std::uint32_t& pixel =
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
        std::uint32_t out = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            std::uint32_t a = (pixel >> shift) & 0xFF, b = (colour >> shift) & 0xFF;
            out |= ((a * (256 - alpha) + b * alpha) >> 8) << shift;
        }
        pixel = out;
    }
    void Fill(int x0, int y0, int x1, int y1, std::uint32_t colour, std::uint32_t alpha) {
        for (int y = std::max(y0, rowBegin); y < std::min(y1, rowEnd); ++y) {
            for (int x = std::max(x0, 0); x < std::min(x1, width); ++x)
                Blend(x, y, colour, alpha);
        }
    }
};

}  // namespace

void FrameRenderer::DrawHudBand(int band) {
    const int rowBegin = band * kBandRows;
    const int rowEnd = std::min(rowBegin + kBandRows, height_);
    auto& picture = settings_.motionBlur ? blurred_ : colour_;
    BandCanvas canvas{picture.data(), width_, height_, rowBegin, rowEnd};
    const int s = std::max(1, height_ / 600);

    // Status panel with health and ammunition bars.
    const int panelTop = height_ - 70 * s;
    canvas.Fill(20 * s, panelTop, 280 * s, height_ - 20 * s, 0xFF000000u, 128);
    const int health = 60 + static_cast<int>(frameNumber_ % 140);
    canvas.Fill(30 * s, panelTop + 10 * s, 30 * s + health * s, panelTop + 24 * s, 0xFF30D040u,
                200);
    canvas.Fill(30 * s, panelTop + 30 * s, 230 * s, panelTop + 42 * s, 0xFFE0C020u, 200);

    // Crosshair.
    const int cx = width_ / 2, cy = height_ / 2;
    canvas.Fill(cx - 12 * s, cy - s, cx - 4 * s, cy + s, 0xFFFFFFFFu, 220);
    canvas.Fill(cx + 4 * s, cy - s, cx + 12 * s, cy + s, 0xFFFFFFFFu, 220);
    canvas.Fill(cx - s, cy - 12 * s, cx + s, cy - 4 * s, 0xFFFFFFFFu, 220);
    canvas.Fill(cx - s, cy + 4 * s, cx + s, cy + 12 * s, 0xFFFFFFFFu, 220);

    // Radar: a translucent disc with the pillars as dots.
    const int radius = 60 * s;
    const int rx = width_ - radius - 20 * s, ry = radius + 20 * s;
    for (int y = std::max(ry - radius, rowBegin); y < std::min(ry + radius, rowEnd); ++y) {
        const int dy = y - ry;
        const int span =
            static_cast<int>(std::sqrt(static_cast<double>(radius * radius - dy * dy)));
        for (int x = rx - span; x < rx + span; ++x)
            canvas.Blend(x, y, 0xFF103050u, 140);
    }
    for (const Pillar& pillar : scene_.pillars) {
        const float px = (pillar.low.x + pillar.high.x) * 0.5f / Scene::kExtent;
        const float pz = (pillar.low.z + pillar.high.z) * 0.5f / Scene::kExtent;
        const int x = rx + static_cast<int>(px * static_cast<float>(radius) * 0.9f);
        const int y = ry + static_cast<int>(pz * static_cast<float>(radius) * 0.9f);
        canvas.Fill(x - s, y - s, x + 2 * s, y + 2 * s, 0xFFF04040u, 230);
    }

    // Frame counter.
    const std::string digits = std::to_string(frameNumber_);
    const int cell = 4 * s;
    for (size_t i = 0; i < digits.size(); ++i) {
        const auto& glyph = kDigits[digits[i] - '0'];
        const int left = 20 * s + static_cast<int>(i) * 4 * cell;
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 3; ++column) {
                if (!(glyph[row] & (4 >> column)))
                    continue;
                const int x = left + column * cell, y = 20 * s + row * cell;
                canvas.Fill(x, y, x + cell, y + cell, 0xFFFFFFFFu, 230);
            }
        }
    }
}

}  // namespace tessaro::standin
