// Mode 1: the sun setting behind red fells under a starry sky, in the mode's
// default colours.
#include "tools/sample-dumps/SampleScreens.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr int black = 0;
constexpr int red = 1;
constexpr int yellow = 2;
constexpr int white = 3;

constexpr int horizon = 196;

// The fells' skyline: the top line of the hills in each column.
int skyline(int x) {
    const double far = 150 + 18 * std::sin(x / 23.0) + 10 * std::sin(x / 9.0 + 1.3);
    const double near = 172 + 12 * std::sin(x / 31.0 + 2.0);
    return int(std::min(far, near));
}

} // namespace

Canvas drawSunset() {
    Canvas canvas(320, 256);
    std::mt19937 random(1);
    for (int star = 0; star < 90; ++star) {
        const int x = int(random() % 320);
        const int y = 20 + int(random() % 110);
        canvas.plot(x, y, white);
        if (star % 9 == 0) {
            canvas.plot(x + 1, y, white);
            canvas.plot(x - 1, y, white);
            canvas.plot(x, y + 1, white);
            canvas.plot(x, y - 1, white);
        }
    }
    // The sun, with the widening bars of the heat haze in its lower half.
    canvas.fillEllipse(160, 150, 62, 62, yellow);
    for (int bar = 0; bar < 7; ++bar) {
        canvas.fillRectangle(90, 150 + bar * 8 - bar, 140, 1 + bar / 2, black);
    }
    for (int x = 0; x < 320; ++x) {
        const int top = skyline(x);
        canvas.fillRectangle(x, top, 1, horizon - top, red);
        // Snow where the far fells rise highest.
        if (top < 142) {
            canvas.fillRectangle(x, top, 1, 142 - top, white);
        }
    }
    // The lake, clear of the sun's lower edge, reflects it in broken lines.
    canvas.fillRectangle(0, horizon, 320, 256 - horizon, black);
    for (int y = horizon + 2; y < 228; y += 3) {
        const int half = 50 - (y - horizon) * 3 / 2;
        for (int x = 160 - half; x < 160 + half; x += 6) {
            canvas.fillRectangle(x + (y % 2) * 3, y, 4, 1, yellow);
        }
    }
    canvas.fillRectangle(0, horizon, 320, 1, red);
    canvas.text(76, 4, "SUNSET OVER THE FELLS", white);
    canvas.text(124, 232, "TESSAVIEW", red);
    canvas.text(48, 244, "MODE 1  320 X 256  4 COLOURS", yellow);
    return canvas;
}
