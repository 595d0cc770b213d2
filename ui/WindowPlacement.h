#pragma once

#include "platform/PlatformTypes.h"

// The outer top-left corner that centres a window of the outer size on the
// screen; a window larger than the screen starts at 0 on that axis.
constexpr ScreenPoint centredPosition(PixelSize outer, PixelSize screen) {
    const auto smaller = [](std::int32_t a, std::int32_t b) { return a < b ? a : b; };
    return {screen.width / 2 - smaller(outer.width, screen.width) / 2,
            screen.height / 2 - smaller(outer.height, screen.height) / 2};
}
