#pragma once

#include "imaging/ImageStore.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t bmpHeadersSize = 54;

// The 14-byte file header followed by the 40-byte information header of an
// uncompressed 24-bit BMP of the given size.
std::array<std::uint8_t, bmpHeadersSize> bmpHeaders(int width, int height);

// The image's pixel rows as a BMP stores them: bottom row first.
std::vector<std::uint8_t> bmpPixelRows(const RasterImage& image);

// The whole BMP file of an image, in memory.
std::vector<std::uint8_t> encodeBmp(const RasterImage& image);

// Writes the slot's image to the path as a 24-bit BMP. False when the slot is
// empty, the path empty or any write fails; an existing file at the path is
// replaced only by a complete new one and otherwise left as it was.
bool writeBmp(const ImageStore& store, ImageSlot slot, const std::string& path);
