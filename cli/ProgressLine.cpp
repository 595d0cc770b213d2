#include "cli/ProgressLine.h"

#include "cli/Terminal.h"

namespace {

constexpr const char* eraseLine = "\r\033[K";

} // namespace

ProgressLine::ProgressLine(std::FILE* terminal, bool enabled)
    : terminal(terminal), enabled(enabled), columns(enabled ? prepareTerminal(terminal) : 0) {}

void ProgressLine::show(std::size_t count, std::size_t total, const std::string& path) {
    if (!enabled) {
        return;
    }
    std::string line = "[";
    line.append(std::to_string(count)).append("/").append(std::to_string(total)).append("] ");
    // A line that wrapped could not be overwritten, so a long path keeps only its end.
    const std::size_t room = columns > line.size() + 4 ? columns - 1 - line.size() : 3;
    if (path.size() <= room) {
        line.append(path);
    } else {
        line.append("...").append(path, path.size() - (room - 3), std::string::npos);
    }
    std::fputs(eraseLine, terminal);
    std::fputs(line.c_str(), terminal);
    std::fflush(terminal);
    shown = true;
}

void ProgressLine::clear() {
    if (shown) {
        std::fputs(eraseLine, terminal);
        std::fflush(terminal);
        shown = false;
    }
}
