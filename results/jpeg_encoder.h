#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

// Baseline colour JPEG of rows of R, G, B bytes (top row first), encoded in memory;
// empty when the pixels do not match the size or libjpeg fails.
[[nodiscard]] std::string EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                     int quality);

}  // namespace tessaro
