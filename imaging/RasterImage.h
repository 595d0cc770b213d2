#pragma once

#include "conversion/ColourValue.h"
#include "imaging/PixelBuffer.h"

#include <cstddef>
#include <cstdint>

// Length of one pixel row of a 24-bit BMP: three bytes a pixel, padded to a
// multiple of four.
constexpr int rowBytesFor(int width) {
    return 3 * width + width % 4;
}

// One stored pixel: 0xFFRRGGBB, that is the bytes blue, green, red, 0xFF in
// memory. It holds every ColourValue exactly, is the 32-bit layout that both
// Qt (QImage::Format_RGB32) and Windows (a 32-bit BI_RGB bitmap) display
// as it is, and lets a pixel be set with a single store.

// Byte reversal turns 0x00BBGGRR into 0xRRGGBB00 and back, so each way is a
// byte swap and a shift.
constexpr StoredPixel storedPixelOf(ColourValue colour) {
    return 0xFF000000u | (__builtin_bswap32(colour) >> 8);
}

constexpr ColourValue colourOf(StoredPixel pixel) {
    return __builtin_bswap32(pixel << 8);
}

using ImageSlot = int;

// Identifies one image made in the store; a display handle stays valid until
// its slot's image is replaced, copied into or scaled. 0 is no image.
struct DisplayHandle {
    std::uint64_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(DisplayHandle, DisplayHandle) = default;
};

struct RasterImage {
    PixelBuffer pixels; // width x height, row 0 first, no padding
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::uint16_t depth = 24; // bits of colour a pixel holds: 8 per component
    DisplayHandle handle;

    const StoredPixel* row(int y) const { return pixels.data() + std::size_t(y) * width; }
    StoredPixel* row(int y) { return pixels.data() + std::size_t(y) * width; }

    ColourValue pixelAt(int x, int y) const { return colourOf(row(y)[x]); }
};
