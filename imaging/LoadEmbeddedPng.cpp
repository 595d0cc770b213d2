#include "imaging/ImageStore.h"

#include <csetjmp>
#include <cstring>
#include <png.h>

namespace {

struct MemoryReader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->position) {
        png_error(png, "truncated PNG data");
    }
    std::memcpy(out, reader->data + reader->position, count);
    reader->position += count;
}

struct DecodedRows {
    std::vector<std::uint8_t> bgr; // width x height pixels, three bytes each, no padding
    png_uint_32 width = 0;
    png_uint_32 height = 0;
};

// libpng reports errors by longjmp, so this function holds no object with a
// destructor between setjmp and the end of decoding; the rows live in the
// caller's frame.
bool decodeToBgr(const std::uint8_t* data, std::size_t size, DecodedRows& out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemoryReader reader{data, size, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, readFromMemory);
    png_read_info(png, info);

    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, &interlace, nullptr, nullptr);
    if (width > 32767 || height > 32767) {
        png_error(png, "image too large");
    }
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) {
        png_set_expand_gray_1_2_4_to_8(png);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    if (bitDepth == 16) {
        png_set_strip_16(png);
    }
    if (colourType & PNG_COLOR_MASK_ALPHA) {
        png_set_strip_alpha(png);
    }
    png_set_bgr(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != std::size_t(width) * 3) {
        png_error(png, "unexpected row layout");
    }

    out.width = width;
    out.height = height;
    out.bgr.resize(std::size_t(width) * 3 * height);
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(png, out.bgr.data() + std::size_t(y) * width * 3, nullptr);
        }
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

bool ImageStore::loadEmbeddedPng(ImageSlot slot, std::span<const std::uint8_t> bytes) {
    constexpr std::size_t signatureSize = 8;
    if (slot < 0 || bytes.size() < signatureSize ||
        png_sig_cmp(bytes.data(), 0, signatureSize) != 0) {
        return false;
    }
    DecodedRows decoded;
    try {
        if (!decodeToBgr(bytes.data(), bytes.size(), decoded)) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!createBlankImage(slot, int(decoded.width), int(decoded.height))) {
        return false;
    }
    RasterImage& made = *slotImage(slot);
    if (decoded.width == 0 || decoded.height == 0) {
        return true;
    }
    const std::uint8_t* bgr = decoded.bgr.data();
    for (StoredPixel& pixel : made.pixels) {
        pixel = storedPixelOf(makeColour(bgr[2], bgr[1], bgr[0]));
        bgr += 3;
    }
    return true;
}
