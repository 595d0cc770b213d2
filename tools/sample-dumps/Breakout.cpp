// Mode 5: a bat-and-ball game part way through, with its score line.
#include "tools/sample-dumps/SampleScreens.h"

namespace {

constexpr int red = 1;
constexpr int yellow = 2;
constexpr int white = 3;

constexpr int wallWidth = 4;
constexpr int brickWidth = 19;

// Bricks already knocked out, one row of eight to a string.
constexpr const char* bricksLeft[] = {
    "########", "###.####", "##..##.#", "#....#..", "......#.", "........",
};

} // namespace

Canvas drawBreakout() {
    Canvas canvas(160, 256);
    canvas.text(0, 0, "SCORE 01250  LIVES 3", white);
    canvas.fillRectangle(0, 12, 160, 4, white);
    canvas.fillRectangle(0, 12, wallWidth, 236, white);
    canvas.fillRectangle(160 - wallWidth, 12, wallWidth, 236, white);
    constexpr int rowColours[] = {red, red, yellow, yellow, white, white};
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (bricksLeft[row][column] == '#') {
                canvas.fillRectangle(wallWidth + column * brickWidth, 32 + row * 8, brickWidth - 1,
                                     7, rowColours[row]);
            }
        }
    }
    // The ball on its way up, with the dotted line of its path so far.
    for (int step = 0; step < 12; ++step) {
        canvas.plot(70 + step * 3, 220 - step * 8, red);
    }
    canvas.fillRectangle(107, 122, 3, 5, white);
    canvas.fillRectangle(58, 226, 26, 5, yellow);
    canvas.fillRectangle(60, 227, 22, 3, red);
    canvas.text(12, 248, "MODE 5  4 COLOURS", red);
    return canvas;
}
