#pragma once

#include "imaging/ImageStore.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The whole PNG file of an image, in memory: 8-bit RGB, not interlaced.
// Empty when libpng fails or memory runs out.
std::vector<std::uint8_t> encodePng(const RasterImage& image);

// Writes the slot's image to the path as a PNG. False when the slot is empty,
// the path empty or any write fails; an existing file at the path is replaced
// only by a complete new one and otherwise left as it was.
bool writePng(const ImageStore& store, ImageSlot slot, const std::string& path);

// Writes the slot's image as a PNG to an open stream, such as standard output.
bool writePng(const ImageStore& store, ImageSlot slot, std::FILE* stream);
