#pragma once

#include "tools/sample-dumps/Canvas.h"

#include <cstdint>
#include <vector>

// The bytes of screen memory that show the canvas in a mode of the given
// bits per pixel, in the memory's character-cell order: the 8 bytes of a
// cell are its 8 scan lines, cells run left to right, character rows top to
// bottom.
std::vector<std::uint8_t> screenMemoryOf(const Canvas& canvas, int bitsPerPixel);
