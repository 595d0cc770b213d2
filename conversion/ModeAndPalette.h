#pragma once

#include "conversion/ConverterState.h"
#include "conversion/LogicalPalette.h"

// The operations with which the program changes the current mode and palette.

// Copies the mode's row of the table into the state's geometry; the palette
// is not touched. Returns false, changing nothing, for a number that is not
// a mode.
bool applyScreenMode(ConverterState& state, int modeNumber);

// The mode's default palette; entries above its last logical colour are
// black. A number that is not a mode gives an all-black palette.
LogicalPalette defaultPaletteFor(int modeNumber);

void setPalette(ConverterState& state, const LogicalPalette& colours);

// Stores one entry; an entry number outside 0 to 7 changes nothing.
void setPaletteEntry(ConverterState& state, int entry, ColourValue colour);

void resetPaletteToDefault(ConverterState& state);
