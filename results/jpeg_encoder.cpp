// Placeholder until the encoder lands.
#include "results/jpeg_encoder.h"
namespace tessaro {
std::string EncodeJpeg(const std::vector<std::uint8_t>&, int, int, int) { return {}; }
}  // namespace tessaro
