#pragma once

#include "conversion/ColourValue.h"

#include <cstdint>
#include <optional>
#include <vector>

// A picture read back from a written file, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<ColourValue> pixels;

    ColourValue at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// The pixels of a 24-bit BMP with 54 bytes of headers; nothing for other data.
std::optional<Picture> readBmp(const std::vector<std::uint8_t>& bytes);

struct PngHeader {
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
};

// Decodes a PNG with libpng, without any transformation, so that only 8-bit
// RGB is accepted; nothing for data libpng rejects.
std::optional<Picture> readPng(const std::vector<std::uint8_t>& bytes, PngHeader& header);
