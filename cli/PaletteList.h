#pragma once

#include "conversion/PhysicalColour.h"

#include <optional>
#include <string_view>
#include <vector>

// A physical colour given as its number 0-7 or its name in any letter case.
std::optional<PhysicalColour> parsePhysicalColour(std::string_view text);

// One to eight comma-separated physical colours; nothing for any other text.
std::optional<std::vector<PhysicalColour>> parsePaletteList(std::string_view text);
