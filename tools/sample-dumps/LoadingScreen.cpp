// Mode 1: a game's loading screen, of which the sample holds only the top,
// as if the dump had been cut short.
#include "tools/sample-dumps/SampleScreens.h"

namespace {

constexpr int red = 1;
constexpr int yellow = 2;
constexpr int white = 3;

} // namespace

Canvas drawLoadingScreen() {
    Canvas canvas(320, 256);
    for (int stripe = 0; stripe < 4; ++stripe) {
        canvas.fillRectangle(0, 4 + stripe * 3, 320, 1 + stripe / 2, red);
    }
    // The title, each font pixel 2 across and 3 down, on a red shadow.
    canvas.text(90, 26, "TESSAVIEW", red, 2, 3);
    canvas.text(88, 24, "TESSAVIEW", yellow, 2, 3);
    canvas.text(120, 56, "LOADING...", white);
    canvas.fillRectangle(60, 72, 200, 1, white);
    canvas.fillRectangle(60, 84, 200, 1, white);
    canvas.fillRectangle(60, 72, 1, 13, white);
    canvas.fillRectangle(259, 72, 1, 13, white);
    canvas.fillRectangle(62, 74, 118, 9, red);
    canvas.text(72, 96, "PLEASE WAIT 30 SECONDS", yellow);
    canvas.text(112, 120, "BLOCK 0A  0C00", white);
    for (int stripe = 0; stripe < 4; ++stripe) {
        canvas.fillRectangle(0, 240 + stripe * 3, 320, 1 + stripe / 2, red);
    }
    return canvas;
}
