#include "resources/artwork/Lettering.h"

#include <array>

namespace {

struct Glyph {
    char character;
    std::array<std::string_view, glyphRows> rows;
};

constexpr std::array<Glyph, 7> glyphs = {{
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".####"}},
    {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."}},
    {'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}},
}};

} // namespace

bool glyphPixel(char character, int column, int row) {
    if (column < 0 || column >= glyphColumns || row < 0 || row >= glyphRows) {
        return false;
    }
    for (const Glyph& glyph : glyphs) {
        if (glyph.character == character) {
            return glyph.rows[row][column] == '#';
        }
    }
    return false;
}
