#pragma once

#include "conversion/ColourValue.h"

#include <string_view>

// The BBC Micro's eight physical colours, 0 to 7: bit 0 of the number gives
// full red, bit 1 full green, bit 2 full blue.
using PhysicalColour = int;

constexpr int physicalColourCount = 8;

constexpr ColourValue physicalColourValue(PhysicalColour colour) {
    return makeColour((colour & 1) ? 0xFF : 0, (colour & 2) ? 0xFF : 0, (colour & 4) ? 0xFF : 0);
}

constexpr std::string_view physicalColourName(PhysicalColour colour) {
    constexpr std::string_view names[physicalColourCount] = {"black", "red",     "green", "yellow",
                                                             "blue",  "magenta", "cyan",  "white"};
    return names[colour & 7];
}
