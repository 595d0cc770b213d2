#include "tools/sample-dumps/Canvas.h"

#include "tools/sample-dumps/Font.h"

#include <cmath>
#include <cstdlib>

Canvas::Canvas(int width, int height)
    : columns(width), rows(height), colours(std::size_t(width) * std::size_t(height), 0) {}

void Canvas::plot(int x, int y, int colour) {
    if (x >= 0 && x < columns && y >= 0 && y < rows) {
        colours[std::size_t(y) * columns + x] = std::uint8_t(colour);
    }
}

void Canvas::fillRectangle(int x, int y, int width, int height, int colour) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            plot(column, row, colour);
        }
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, int colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void Canvas::fillEllipse(int centreX, int centreY, int radiusX, int radiusY, int colour) {
    for (int dy = -radiusY; dy <= radiusY; ++dy) {
        const double across = radiusX * std::sqrt(1.0 - double(dy * dy) / (radiusY * radiusY));
        const int half = int(std::lround(across));
        fillRectangle(centreX - half, centreY + dy, 2 * half + 1, 1, colour);
    }
}

void Canvas::ellipse(int centreX, int centreY, int radiusX, int radiusY, int colour) {
    constexpr int steps = 720;
    constexpr double turn = 6.283185307179586;
    int lastX = centreX + radiusX;
    int lastY = centreY;
    for (int step = 1; step <= steps; ++step) {
        const double angle = turn * step / steps;
        const int x = centreX + int(std::lround(radiusX * std::cos(angle)));
        const int y = centreY + int(std::lround(radiusY * std::sin(angle)));
        line(lastX, lastY, x, y, colour);
        lastX = x;
        lastY = y;
    }
}

void Canvas::text(int x, int y, std::string_view characters, int colour, int scaleX, int scaleY) {
    for (const char character : characters) {
        const Glyph& glyph = glyphFor(character);
        for (int row = 0; row < glyphSize; ++row) {
            for (int column = 0; column < glyphSize; ++column) {
                if (glyph[row] & (0x80 >> column)) {
                    fillRectangle(x + column * scaleX, y + row * scaleY, scaleX, scaleY, colour);
                }
            }
        }
        x += glyphSize * scaleX;
    }
}
