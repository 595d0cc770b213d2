#pragma once

#include <array>
#include <cstdint>

// One of the BBC Micro's graphics modes that a dump can be decoded in.
struct ScreenMode {
    std::int32_t modeNumber;
    std::int32_t width;
    std::int32_t height;
    std::int32_t bitsPerPixel;

    constexpr std::int32_t pixelsPerByte() const { return 8 / bitsPerPixel; }
    // Bytes per scan line, which is also the number of character cells across.
    constexpr std::int32_t bytesPerLine() const { return width * bitsPerPixel / 8; }
    constexpr std::int32_t logicalColours() const { return 1 << bitsPerPixel; }
    constexpr std::int32_t fullScreenBytes() const { return height * bytesPerLine(); }
};

inline constexpr std::array<ScreenMode, 5> ScreenModeTable = {{
    {0, 640, 256, 1},
    {1, 320, 256, 2},
    {2, 160, 256, 4},
    {4, 320, 256, 1},
    {5, 160, 256, 2},
}};

// The table row of a mode number, or null for a number that is not a mode.
constexpr const ScreenMode* findScreenMode(int modeNumber) {
    for (const ScreenMode& mode : ScreenModeTable) {
        if (mode.modeNumber == modeNumber) {
            return &mode;
        }
    }
    return nullptr;
}
