#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SampleDump {
    std::string fileName;
    std::vector<std::uint8_t> bytes;
};

// Every sample: one full screen for each of Modes 0, 1, 2, 4 and 5, and one
// dump cut short in the middle of a character row and of a cell.
std::vector<SampleDump> sampleDumps();
