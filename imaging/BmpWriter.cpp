#include "imaging/BmpWriter.h"

#include "imaging/ReplacementFile.h"

#include <cstring>
#include <new>

namespace {

void putLittleEndian(std::uint8_t* at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        at[i] = std::uint8_t(value >> (8 * i));
    }
}

constexpr std::size_t fileHeaderSize = 14;

// One image row as a BMP row: blue, green, red for each pixel, then zero pad
// bytes. Four pixels at a time become one 64-bit and one 32-bit store.
void packRow(const StoredPixel* in, int width, std::uint8_t* out) {
    int x = 0;
    for (; x + 4 <= width; x += 4, in += 4, out += 12) {
        const std::uint64_t first = (std::uint64_t(in[0]) & 0xFFFFFF) |
                                    (std::uint64_t(in[1] & 0xFFFFFF) << 24) |
                                    (std::uint64_t(in[2]) << 48);
        const std::uint32_t second = ((in[2] >> 16) & 0xFF) | (in[3] << 8);
        std::memcpy(out, &first, sizeof first);
        std::memcpy(out + sizeof first, &second, sizeof second);
    }
    for (; x < width; ++x, ++in, out += 3) {
        out[0] = std::uint8_t(*in);
        out[1] = std::uint8_t(*in >> 8);
        out[2] = std::uint8_t(*in >> 16);
    }
    std::memset(out, 0, std::size_t(width % 4));
}

// Fills rows with the image's pixel rows, bottom row first.
void packRows(const RasterImage& image, std::uint8_t* rows) {
    const std::size_t rowSize = std::size_t(rowBytesFor(image.width));
    for (int y = 0; y < image.height; ++y) {
        packRow(image.row(y), image.width, rows + std::size_t(image.height - 1 - y) * rowSize);
    }
}

} // namespace

std::array<std::uint8_t, bmpHeadersSize> bmpHeaders(int width, int height) {
    const std::uint32_t pixelBytes = std::uint32_t(rowBytesFor(width)) * std::uint32_t(height);
    std::array<std::uint8_t, bmpHeadersSize> h{};
    h[0] = 'B';
    h[1] = 'M';
    putLittleEndian(&h[2], std::uint32_t(bmpHeadersSize) + pixelBytes, 4);
    putLittleEndian(&h[10], std::uint32_t(bmpHeadersSize), 4);
    putLittleEndian(&h[14], 40, 4);
    putLittleEndian(&h[18], std::uint32_t(width), 4);
    putLittleEndian(&h[22], std::uint32_t(height), 4);
    putLittleEndian(&h[26], 1, 2);
    putLittleEndian(&h[28], 24, 2);
    putLittleEndian(&h[34], pixelBytes, 4);
    return h;
}

std::vector<std::uint8_t> bmpPixelRows(const RasterImage& image) {
    std::vector<std::uint8_t> rows(std::size_t(rowBytesFor(image.width)) *
                                   std::size_t(image.height));
    packRows(image, rows.data());
    return rows;
}

std::vector<std::uint8_t> encodeBmp(const RasterImage& image) {
    const auto headers = bmpHeaders(image.width, image.height);
    std::vector<std::uint8_t> file(headers.size() + std::size_t(rowBytesFor(image.width)) *
                                                        std::size_t(image.height));
    std::memcpy(file.data(), headers.data(), headers.size());
    packRows(image, file.data() + headers.size());
    return file;
}

bool writeBmp(const ImageStore& store, ImageSlot slot, const std::string& path) {
    const RasterImage* image = store.image(slot);
    if (image == nullptr || path.empty()) {
        return false;
    }
    const auto headers = bmpHeaders(image->width, image->height);
    std::vector<std::uint8_t> rows;
    try {
        rows = bmpPixelRows(*image);
    } catch (const std::bad_alloc&) {
        return false;
    }
    ReplacementFile file;
    if (!file.open(path)) {
        return false;
    }
    const bool written =
        file.write(headers.data(), fileHeaderSize) &&
        file.write(headers.data() + fileHeaderSize, headers.size() - fileHeaderSize) &&
        file.write(rows.data(), rows.size());
    return written && file.commit();
}
