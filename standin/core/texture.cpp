#include "standin/core/texture.h"

#include <algorithm>
#include <cmath>

#include "standin/core/vec.h"

namespace tessaro::standin {
namespace {

std::uint32_t Pack(int r, int g, int b) {
    auto c = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return 0xFF000000u | (c(r) << 16) | (c(g) << 8) | c(b);
}

std::uint32_t GroundTexel(int x, int y, int size, Random& noise) {
    float fx = static_cast<float>(x) / static_cast<float>(size) * 6.2831853f;
    float fy = static_cast<float>(y) / static_cast<float>(size) * 6.2831853f;
    float wave = std::sin(fx * 3) * std::cos(fy * 2) + 0.5f * std::sin((fx + fy) * 7);
    int grain = static_cast<int>(noise.Next() % 40);
    bool grid = (x % (size / 4)) < 2 || (y % (size / 4)) < 2;
    int base = grid ? 40 : 0;
    return Pack(70 + static_cast<int>(wave * 20) + grain - base,
                110 + static_cast<int>(wave * 30) + grain - base, 50 + grain / 2 - base);
}

std::uint32_t BrickTexel(int x, int y, int size, Random& noise) {
    int rowHeight = size / 8;
    int row = y / rowHeight;
    int brickWidth = size / 4;
    int shifted = x + (row % 2) * brickWidth / 2;
    bool mortar = (y % rowHeight) < 2 || (shifted % brickWidth) < 2;
    int grain = static_cast<int>(noise.Next() % 30);
    if (mortar)
        return Pack(150 + grain, 150 + grain, 140 + grain);
    int tone =
        static_cast<int>((static_cast<unsigned>(row * 7 + shifted / brickWidth) * 37u) % 40u);
    return Pack(140 + tone + grain, 60 + grain, 45 + grain);
}

std::uint32_t Average4(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        std::uint32_t sum = ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF) + ((c >> shift) & 0xFF) +
                            ((d >> shift) & 0xFF);
        out |= ((sum + 2) / 4) << shift;
    }
    return out;
}

}  // namespace

Texture Texture::Make(Pattern pattern, int log2Size, std::uint32_t seed) {
    Texture texture;
    Random noise(seed);
    Level top;
    top.size = 1 << log2Size;
    top.texels.resize(static_cast<size_t>(top.size) * static_cast<size_t>(top.size));
    for (int y = 0; y < top.size; ++y) {
        for (int x = 0; x < top.size; ++x) {
            top.texels[static_cast<size_t>(y * top.size + x)] =
                pattern == Pattern::Ground ? GroundTexel(x, y, top.size, noise)
                                           : BrickTexel(x, y, top.size, noise);
        }
    }
    texture.levels_.push_back(std::move(top));
    while (texture.levels_.back().size > 1) {
        const Level& above = texture.levels_.back();
        Level next;
        next.size = above.size / 2;
        next.texels.resize(static_cast<size_t>(next.size) * static_cast<size_t>(next.size));
        for (int y = 0; y < next.size; ++y) {
            for (int x = 0; x < next.size; ++x) {
                auto at = [&](int ax, int ay) {
                    return above.texels[static_cast<size_t>(ay * above.size + ax)];
                };
                next.texels[static_cast<size_t>(y * next.size + x)] =
                    Average4(at(2 * x, 2 * y), at(2 * x + 1, 2 * y), at(2 * x, 2 * y + 1),
                             at(2 * x + 1, 2 * y + 1));
            }
        }
        texture.levels_.push_back(std::move(next));
    }
    return texture;
}

std::uint32_t Texture::Bilinear(const Level& level, float u, float v) const {
    const int mask = level.size - 1;
    float x = u * static_cast<float>(level.size) - 0.5f;
    float y = v * static_cast<float>(level.size) - 0.5f;
    float fx = std::floor(x);
    float fy = std::floor(y);
    int x0 = static_cast<int>(fx);
    int y0 = static_cast<int>(fy);
    auto wx = static_cast<std::uint32_t>((x - fx) * 256.0f);
    auto wy = static_cast<std::uint32_t>((y - fy) * 256.0f);
    auto at = [&](int tx, int ty) {
        return level.texels[static_cast<size_t>((ty & mask) * level.size + (tx & mask))];
    };
    std::uint32_t t00 = at(x0, y0), t10 = at(x0 + 1, y0), t01 = at(x0, y0 + 1),
                  t11 = at(x0 + 1, y0 + 1);
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        std::uint32_t top = ((t00 >> shift) & 0xFF) * (256 - wx) + ((t10 >> shift) & 0xFF) * wx;
        std::uint32_t bottom = ((t01 >> shift) & 0xFF) * (256 - wx) + ((t11 >> shift) & 0xFF) * wx;
        out |= (((top * (256 - wy) + bottom * wy) >> 16) & 0xFF) << shift;
    }
    return out;
}

std::uint32_t Texture::Sample(float u, float v, float dudx, float dvdx, float dudy, float dvdy,
                              int maxAnisotropy) const {
    const auto size = static_cast<float>(levels_.front().size);
    float lengthX = std::sqrt(dudx * dudx + dvdx * dvdx) * size;
    float lengthY = std::sqrt(dudy * dudy + dvdy * dvdy) * size;
    float major = std::max(lengthX, lengthY);
    float minor = std::max(std::min(lengthX, lengthY), 1e-6f);
    int taps = 1;
    if (maxAnisotropy > 1) {
        taps = std::clamp(static_cast<int>(std::ceil(major / minor)), 1, maxAnisotropy);
    }
    float footprint = std::max(major / static_cast<float>(taps), 1.0f);
    int level = std::min(static_cast<int>(std::log2(footprint) + 0.5f),
                         static_cast<int>(levels_.size()) - 1);
    if (taps == 1)
        return Bilinear(levels_[static_cast<size_t>(level)], u, v);

    float axisU = lengthX >= lengthY ? dudx : dudy;
    float axisV = lengthX >= lengthY ? dvdx : dvdy;
    float stepU = axisU / static_cast<float>(taps);
    float stepV = axisV / static_cast<float>(taps);
    float tapU = u - axisU * 0.5f + stepU * 0.5f;
    float tapV = v - axisV * 0.5f + stepV * 0.5f;
    std::uint32_t sum[3] = {0, 0, 0};
    for (int i = 0; i < taps; ++i) {
        std::uint32_t texel = Bilinear(levels_[static_cast<size_t>(level)], tapU, tapV);
        sum[0] += (texel >> 16) & 0xFF;
        sum[1] += (texel >> 8) & 0xFF;
        sum[2] += texel & 0xFF;
        tapU += stepU;
        tapV += stepV;
    }
    auto n = static_cast<std::uint32_t>(taps);
    return 0xFF000000u | ((sum[0] / n) << 16) | ((sum[1] / n) << 8) | (sum[2] / n);
}

}  // namespace tessaro::standin
