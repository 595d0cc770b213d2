#include "imaging/PngWriter.h"

#include "imaging/ReplacementFile.h"

#include <csetjmp>
#include <new>
#include <png.h>

namespace {

void writeToMemory(png_structp png, png_bytep data, png_size_t count) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    try {
        bytes->insert(bytes->end(), data, data + count);
    } catch (const std::bad_alloc&) {
        // An exception must not cross libpng's C frames; the error ends by longjmp instead.
        png_error(png, "out of memory");
    }
}

void flushNothing(png_structp) {}

// libpng reports errors by longjmp, so this function holds no object with a
// destructor between setjmp and the end of encoding; the bytes live in the
// caller's frame.
bool encodeRows(const RasterImage& image, std::vector<std::uint8_t>& bytes) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &bytes, writeToMemory, flushNothing);
    png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // The store's pixels are the bytes blue, green, red, 0xFF; libpng swaps
    // each pixel and drops the fourth byte as it writes.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, reinterpret_cast<png_const_bytep>(image.row(y)));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::vector<std::uint8_t> encodePng(const RasterImage& image) {
    std::vector<std::uint8_t> bytes;
    if (image.width <= 0 || image.height <= 0) {
        return bytes;
    }
    if (!encodeRows(image, bytes)) {
        bytes.clear();
        bytes.shrink_to_fit();
    }
    return bytes;
}

bool writePng(const ImageStore& store, ImageSlot slot, const std::string& path) {
    const RasterImage* image = store.image(slot);
    if (image == nullptr || path.empty()) {
        return false;
    }
    const std::vector<std::uint8_t> bytes = encodePng(*image);
    if (bytes.empty()) {
        return false;
    }
    ReplacementFile file;
    return file.open(path) && file.write(bytes.data(), bytes.size()) && file.commit();
}

bool writePng(const ImageStore& store, ImageSlot slot, std::FILE* stream) {
    const RasterImage* image = store.image(slot);
    if (image == nullptr || stream == nullptr) {
        return false;
    }
    const std::vector<std::uint8_t> bytes = encodePng(*image);
    return !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}
