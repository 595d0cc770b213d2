#include "tests/cli/PictureFiles.h"

#include <csetjmp>
#include <cstring>
#include <png.h>

namespace {

std::uint32_t littleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
           std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

struct Reader {
    const std::vector<std::uint8_t>* bytes;
    std::size_t position;
};

void readBytes(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (count > reader->bytes->size() - reader->position) {
        png_error(png, "truncated");
    }
    std::memcpy(out, reader->bytes->data() + reader->position, count);
    reader->position += count;
}

// No object with a destructor lives between setjmp and the end of decoding.
bool decode(const std::vector<std::uint8_t>& bytes, PngHeader& header,
            std::vector<std::uint8_t>& rgb, png_uint_32& width, png_uint_32& height) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Reader reader{&bytes, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, readBytes);
    png_read_info(png, info);
    png_get_IHDR(png, info, &width, &height, &header.bitDepth, &header.colourType,
                 &header.interlace, nullptr, nullptr);
    if (header.bitDepth != 8 || header.colourType != PNG_COLOR_TYPE_RGB ||
        header.interlace != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    rgb.resize(std::size_t(width) * 3 * height);
    for (png_uint_32 y = 0; y < height; ++y) {
        png_read_row(png, rgb.data() + std::size_t(y) * width * 3, nullptr);
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

std::optional<Picture> readBmp(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || littleEndian(bytes, 10) != 54) {
        return std::nullopt;
    }
    Picture picture;
    picture.width = int(littleEndian(bytes, 18));
    picture.height = int(littleEndian(bytes, 22));
    const std::size_t rowBytes = std::size_t(3 * picture.width + picture.width % 4);
    if (bytes.size() != 54 + rowBytes * std::size_t(picture.height)) {
        return std::nullopt;
    }
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* row =
            bytes.data() + 54 + rowBytes * std::size_t(picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            picture.pixels.push_back(makeColour(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
        }
    }
    return picture;
}

std::optional<Picture> readPng(const std::vector<std::uint8_t>& bytes, PngHeader& header) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> rgb;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    if (!decode(bytes, header, rgb, width, height)) {
        return std::nullopt;
    }
    Picture picture;
    picture.width = int(width);
    picture.height = int(height);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        picture.pixels.push_back(makeColour(rgb[i], rgb[i + 1], rgb[i + 2]));
    }
    return picture;
}
