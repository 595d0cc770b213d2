#pragma once

#include "conversion/ColourValue.h"

#include <array>

// The colours that logical colours 0 to 7 are painted with. Always eight
// entries, whatever the mode; a mode with fewer colours never reads the rest.
using LogicalPalette = std::array<ColourValue, 8>;
