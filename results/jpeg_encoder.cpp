#include "results/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace tessaro {

namespace {

// libjpeg's own error handler ends the process; this one jumps back so a failed
// encode only costs the picture.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

void SilenceMessage(j_common_ptr) {}

// Everything the encoder touches lives here, so nothing the jump skips over is lost:
// the library's output buffer is freed whichever way the encode ends.
struct Encoding {
    jpeg_compress_struct info{};
    ErrorJump error{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    ~Encoding() {
        jpeg_destroy_compress(&info);
        std::free(buffer);  // allocated by jpeg_mem_dest, never freed by the library
    }
};

// Answers false when libjpeg reported an error.
bool Compress(Encoding& e, const std::uint8_t* rgb, int width, int height, int quality) {
    e.info.err = jpeg_std_error(&e.error.manager);
    e.error.manager.error_exit = JumpBack;
    e.error.manager.output_message = SilenceMessage;
    if (setjmp(e.error.back))
        return false;

    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    e.info.image_width = static_cast<JDIMENSION>(width);
    e.info.image_height = static_cast<JDIMENSION>(height);
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info);  // baseline Huffman, YCbCr: a plain colour JPEG
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    const auto stride = static_cast<std::size_t>(width) * 3;
    while (e.info.next_scanline < e.info.image_height) {
        // libjpeg's row type is not const, though it only reads the row.
        JSAMPROW row = const_cast<JSAMPROW>(rgb + e.info.next_scanline * stride);
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    return true;
}

}  // namespace

std::string EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height, int quality) {
    if (width <= 0 || height <= 0 ||
        rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)
        return {};
    Encoding e;
    if (!Compress(e, rgb.data(), width, height, quality) || e.buffer == nullptr)
        return {};
    return std::string(reinterpret_cast<const char*>(e.buffer), e.size);
}

}  // namespace tessaro
