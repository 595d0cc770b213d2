#pragma once

#include "conversion/LogicalPalette.h"

#include <cstdint>
#include <string>

// The program's one record of application-wide state. The mode and palette
// fields come first; the event loop adds its own fields to the same record.
struct ConverterState {
    std::int32_t modeNumber = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    LogicalPalette palette{};
    std::string currentPath;
};
