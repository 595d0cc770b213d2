#pragma once

#include "cli/OutputFormat.h"
#include "conversion/PhysicalColour.h"

#include <optional>
#include <string>
#include <vector>

// What one call of the converter was asked to do.
struct ConvertOptions {
    int modeNumber = 2; // the mode the window program starts in
    // Physical colours for logical colours 0, 1, ... in order; the others
    // keep the mode's default palette.
    std::vector<PhysicalColour> paletteEntries;
    bool preview = false;
    std::optional<OutputFormat> format;
    std::string outputPath; // -o; "-" is standard output
    std::string outputFolder;
    bool quiet = false;
    std::vector<std::string> dumps;
};
