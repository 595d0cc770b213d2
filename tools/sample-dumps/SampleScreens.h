#pragma once

#include "tools/sample-dumps/Canvas.h"

// The screens of the sample dumps, each drawn in its mode's resolution and
// logical colours. BBC Micro pixels are not square: a Mode 0 pixel is half as
// wide as it is high, a Mode 1 or 4 pixel square, a Mode 2 or 5 pixel twice
// as wide as high, which the drawings allow for.
Canvas drawBasicListing();  // Mode 0
Canvas drawSunset();        // Mode 1
Canvas drawColourChart();   // Mode 2
Canvas drawMaze();          // Mode 4
Canvas drawBreakout();      // Mode 5
Canvas drawLoadingScreen(); // Mode 1, of which only the top is dumped
