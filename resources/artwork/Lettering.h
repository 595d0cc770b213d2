#pragma once

#include <string_view>

// A small bitmap alphabet for the banner's lettering: each glyph is 5 columns
// by 7 rows, row 0 at the top.
constexpr int glyphColumns = 5;
constexpr int glyphRows = 7;

// True when the glyph of the character has its pixel at (column, row) set.
// Characters without a glyph are blank.
bool glyphPixel(char character, int column, int row);
