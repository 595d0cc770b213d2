#pragma once

#include "conversion/ColourValue.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Rows of an image's pixel storage: three bytes a pixel in the order blue,
// green, red, each row padded with zero bytes to a multiple of four. This is
// the row layout of a 24-bit BMP, so the same bytes serve for saving and for
// handing to a window for display.
constexpr int rowBytesFor(int width) {
    return 3 * width + width % 4;
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
    std::vector<std::uint8_t> pixels; // rowBytes x height bytes, row 0 first
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::uint16_t depth = 24; // bits per pixel of the storage
    DisplayHandle handle;

    int rowBytes() const { return rowBytesFor(width); }
    const std::uint8_t* row(int y) const { return pixels.data() + std::size_t(y) * rowBytes(); }
    std::uint8_t* row(int y) { return pixels.data() + std::size_t(y) * rowBytes(); }

    ColourValue pixelAt(int x, int y) const {
        const std::uint8_t* p = row(y) + 3 * x;
        return makeColour(p[2], p[1], p[0]);
    }
};
