#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// A line on a terminal that shows how far a batch has got: "[3/1000] PATH".
// Each showing overwrites the last; clear() removes it so that a message or
// the shell's prompt starts on a clean line. A disabled line prints nothing.
class ProgressLine {
public:
    ProgressLine(std::FILE* terminal, bool enabled);
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void show(std::size_t count, std::size_t total, const std::string& path);
    void clear();

private:
    std::FILE* terminal;
    bool enabled;
    bool shown = false;
    std::size_t columns;
};
