#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A screen being drawn, pixel by pixel in logical colours, before it is laid
// out as screen memory. Positions outside it are ignored.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return columns; }
    int height() const { return rows; }
    int at(int x, int y) const { return colours[std::size_t(y) * columns + x]; }

    void plot(int x, int y, int colour);
    void fillRectangle(int x, int y, int width, int height, int colour);
    void line(int x0, int y0, int x1, int y1, int colour);
    // Radii in pixels across and down, so that circles can allow for the
    // mode's pixel shape.
    void fillEllipse(int centreX, int centreY, int radiusX, int radiusY, int colour);
    void ellipse(int centreX, int centreY, int radiusX, int radiusY, int colour);
    // Text in the 8 x 8 character cells of the screen's font, each pixel of
    // a glyph drawn as scaleX x scaleY pixels. Unknown characters are blank.
    void text(int x, int y, std::string_view characters, int colour, int scaleX = 1,
              int scaleY = 1);

private:
    int columns;
    int rows;
    std::vector<std::uint8_t> colours;
};
