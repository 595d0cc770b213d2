#include "cli/Terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

std::size_t prepareTerminal(std::FILE* terminal) {
    winsize size{};
    if (::ioctl(fileno(terminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return 80;
}
