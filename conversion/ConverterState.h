#pragma once

#include "conversion/LogicalPalette.h"
#include "platform/EventKind.h"

#include <cstdint>
#include <string>

// The program's one record of application-wide state. The mode and palette
// fields come first; the event loop's fields follow.
struct ConverterState {
    std::int32_t modeNumber = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    LogicalPalette palette{};
    std::string currentPath;
    // Set when the user asks to close the main window.
    bool quitRequested = false;
    // Done flag of the About window's wait.
    bool aboutDone = false;
    // The most recent event of the main loop (and of the About window's wait).
    EventKind lastEventKind = EventKind::NoEvent;
    std::int32_t lastMenuItem = 0;
    std::int32_t lastControl = 0;
    // -1 when the event's window is none of the program's numbered windows.
    std::int32_t lastWindow = 0;
};
