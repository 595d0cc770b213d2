#pragma once

#include <array>
#include <cstdint>

constexpr int glyphSize = 8;

// Eight rows of a character, top first; bit 7 is the leftmost pixel.
using Glyph = std::array<std::uint8_t, glyphSize>;

// The samples' own font: capitals, digits and some punctuation, drawn 7 x 7
// with two-pixel upright strokes, leaving the cell's last row and column
// blank. Any other character is a blank glyph.
const Glyph& glyphFor(char character);
