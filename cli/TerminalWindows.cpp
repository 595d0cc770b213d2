#include "cli/Terminal.h"

#include <io.h>
#include <windows.h>

std::size_t prepareTerminal(std::FILE* terminal) {
    const HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(terminal)));
    // The console carries out the erase-line sequence only when asked to.
    DWORD mode = 0;
    if (GetConsoleMode(console, &mode)) {
        SetConsoleMode(console,
                       mode | ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
    CONSOLE_SCREEN_BUFFER_INFO screen{};
    if (GetConsoleScreenBufferInfo(console, &screen) &&
        screen.srWindow.Right > screen.srWindow.Left) {
        return std::size_t(screen.srWindow.Right - screen.srWindow.Left + 1);
    }
    return 80;
}
