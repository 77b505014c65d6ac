#pragma once

#include <cstdint>
#include <vector>

namespace tessaro::standin {

// A square, power-of-two, repeating texture with its mip chain.
class Texture {
  public:
    enum class Pattern { Ground, Brick };
    static Texture Make(Pattern pattern, int log2Size, std::uint32_t seed);

    // The filtered colour (0xAARRGGBB) at (u, v) in repeats of the texture, for a pixel
    // whose footprint is spanned by the screen-space derivatives. With maxAnisotropy above 1
    // the footprint's long axis is covered by up to that many taps, so the work per pixel
    // grows with the level, as in hardware.
    std::uint32_t Sample(float u, float v, float dudx, float dvdx, float dudy, float dvdy,
                         int maxAnisotropy) const;

  private:
    struct Level {
        int size = 0;
        std::vector<std::uint32_t> texels;
    };
    std::uint32_t Bilinear(const Level& level, float u, float v) const;
    std::vector<Level> levels_;
};

}  // namespace tessaro::standin
