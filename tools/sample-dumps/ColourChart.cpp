// Mode 2: the eight colours by name, a beach ball and a rainbow, and a line
// in a flashing colour.
#include "tools/sample-dumps/SampleScreens.h"

#include <cmath>

namespace {

constexpr int black = 0;
constexpr int white = 7;
// Flashing yellow and blue; a picture shows its first colour.
constexpr int flashingYellowBlue = 11;

constexpr const char* names[] = {"BLACK", "RED",     "GREEN", "YELLOW",
                                 "BLUE",  "MAGENTA", "CYAN",  "WHITE"};

void drawBeachBall(Canvas& canvas, int centreX, int centreY, int radiusX, int radiusY) {
    constexpr int segments[] = {1, 7, 4, 3, 7, 2};
    constexpr double turn = 6.283185307179586;
    for (int y = -radiusY; y <= radiusY; ++y) {
        for (int x = -radiusX; x <= radiusX; ++x) {
            const double u = double(x) / radiusX;
            const double v = double(y) / radiusY;
            if (u * u + v * v > 1.0) {
                continue;
            }
            const double angle = std::atan2(v, u) + turn;
            const int segment = int(angle / turn * 6) % 6;
            canvas.plot(centreX + x, centreY + y, segments[segment]);
        }
    }
}

} // namespace

Canvas drawColourChart() {
    Canvas canvas(160, 256);
    canvas.text(32, 4, "COLOURS", white);
    canvas.fillRectangle(32, 12, 56, 1, 1);
    for (int colour = 0; colour < 8; ++colour) {
        const int top = 20 + colour * 12;
        canvas.fillRectangle(4, top, 24, 9, colour);
        if (colour == black) {
            canvas.fillRectangle(4, top, 24, 1, white);
            canvas.fillRectangle(4, top + 8, 24, 1, white);
            canvas.fillRectangle(4, top, 1, 9, white);
            canvas.fillRectangle(27, top, 1, 9, white);
        }
        canvas.text(32, top + 1, std::string_view(&"01234567"[colour], 1),
                    colour == black ? white : colour);
        canvas.text(48, top + 1, names[colour], colour == black ? white : colour);
    }
    // Mode 2 pixels are twice as wide as high: a round ball is half as many
    // pixels across as lines down.
    drawBeachBall(canvas, 136, 70, 18, 36);
    // The rainbow, outer band first; each band covers the middle of the last.
    constexpr int bands[] = {1, 3, 2, 6, 4, 5};
    for (int band = 0; band < 6; ++band) {
        canvas.fillEllipse(80, 206, 76 - band * 5, 84 - band * 10, bands[band]);
    }
    canvas.fillEllipse(80, 206, 46, 24, black);
    canvas.fillRectangle(0, 207, 160, 49, black);
    canvas.text(16, 216, "16 COLOURS", flashingYellowBlue);
    canvas.text(16, 232, "160 X 256", white);
    canvas.text(24, 244, "MODE 2", 6);
    return canvas;
}
