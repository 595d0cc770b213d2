// Mode 0: a BASIC listing beside the star and rings it draws, white on black.
#include "tools/sample-dumps/SampleScreens.h"

#include <cmath>

namespace {

constexpr int white = 1;

constexpr const char* listing[] = {
    ">LIST",
    "   10 REM TESSAVIEW SAMPLE - MODE 0",
    "   20 MODE 0",
    "   30 VDU 29,980;584;",
    "   40 FOR A=0 TO 2*PI STEP PI/12",
    "   50 MOVE 0,0",
    "   60 DRAW 280*COS(A),280*SIN(A)",
    "   70 NEXT",
    "   80 FOR R=70 TO 280 STEP 70",
    "   90 PROCRING(R)",
    "  100 NEXT",
    "  110 PRINT TAB(0,28)\"640 X 256, 2 COLOURS\"",
    "  120 END",
    "  130 DEF PROCRING(R)",
    "  140 MOVE R,0",
    "  150 FOR A=0 TO 2*PI STEP PI/36",
    "  160 DRAW R*COS(A),R*SIN(A)",
    "  170 NEXT",
    "  180 ENDPROC",
    ">RUN",
};

} // namespace

Canvas drawBasicListing() {
    Canvas canvas(640, 256);
    int row = 0;
    for (const char* line : listing) {
        canvas.text(0, 8 * row++, line, white);
    }
    // What the program draws. Graphics units are 2 to a pixel across and 4 to
    // a line down, counted from the bottom-left: the origin (980, 584) is
    // pixel 490 of line 110.
    constexpr int centreX = 490;
    constexpr int centreY = 110;
    constexpr double pi = 3.141592653589793;
    for (int step = 0; step < 24; ++step) {
        const double angle = step * pi / 12;
        canvas.line(centreX, centreY, centreX + int(std::lround(140 * std::cos(angle))),
                    centreY - int(std::lround(70 * std::sin(angle))), white);
    }
    for (int radius = 70; radius <= 280; radius += 70) {
        canvas.ellipse(centreX, centreY, radius / 2, radius / 4, white);
    }
    canvas.text(0, 8 * 28, "640 X 256, 2 COLOURS", white);
    canvas.text(0, 8 * 30, ">", white);
    canvas.fillRectangle(8, 8 * 30 + 7, 7, 1, white);
    return canvas;
}
