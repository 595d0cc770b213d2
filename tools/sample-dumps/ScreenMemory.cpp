#include "tools/sample-dumps/ScreenMemory.h"

namespace {

// The bits of one byte's pixels, leftmost first: 8, 4 or 2 logical colours.
std::uint8_t packPixels(const int* colours, int bitsPerPixel) {
    const int pixelsPerByte = 8 / bitsPerPixel;
    unsigned byte = 0;
    for (int k = 0; k < pixelsPerByte; ++k) {
        const unsigned colour = unsigned(colours[k]);
        // The colour's bits, most significant first, go to bits 7-k, then
        // pixelsPerByte places further down each time.
        for (int bit = 0; bit < bitsPerPixel; ++bit) {
            const unsigned value = (colour >> (bitsPerPixel - 1 - bit)) & 1;
            byte |= value << (7 - k - bit * pixelsPerByte);
        }
    }
    return std::uint8_t(byte);
}

} // namespace

std::vector<std::uint8_t> screenMemoryOf(const Canvas& canvas, int bitsPerPixel) {
    const int pixelsPerByte = 8 / bitsPerPixel;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(canvas.width()) * canvas.height() / pixelsPerByte);
    for (int top = 0; top < canvas.height(); top += 8) {
        for (int left = 0; left < canvas.width(); left += pixelsPerByte) {
            for (int line = 0; line < 8; ++line) {
                int colours[8];
                for (int k = 0; k < pixelsPerByte; ++k) {
                    colours[k] = canvas.at(left + k, top + line);
                }
                bytes.push_back(packPixels(colours, bitsPerPixel));
            }
        }
    }
    return bytes;
}
