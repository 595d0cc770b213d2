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
    // The store keeps rows in the BMP's own layout, so only their order changes.
    const std::size_t rowSize = std::size_t(image.rowBytes());
    std::vector<std::uint8_t> rows(rowSize * std::size_t(image.height));
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(rows.data() + std::size_t(image.height - 1 - y) * rowSize, image.row(y),
                    rowSize);
    }
    return rows;
}

std::vector<std::uint8_t> encodeBmp(const RasterImage& image) {
    const auto headers = bmpHeaders(image.width, image.height);
    const std::size_t rowSize = std::size_t(image.rowBytes());
    std::vector<std::uint8_t> file(headers.size() + rowSize * std::size_t(image.height));
    std::memcpy(file.data(), headers.data(), headers.size());
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(file.data() + headers.size() + std::size_t(image.height - 1 - y) * rowSize,
                    image.row(y), rowSize);
    }
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
