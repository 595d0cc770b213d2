#include "conversion/ModeAndPalette.h"

#include "conversion/PhysicalColour.h"
#include "conversion/ScreenMode.h"

bool applyScreenMode(ConverterState& state, int modeNumber) {
    const ScreenMode* mode = findScreenMode(modeNumber);
    if (mode == nullptr) {
        return false;
    }
    state.modeNumber = mode->modeNumber;
    state.width = mode->width;
    state.height = mode->height;
    state.bitsPerPixel = mode->bitsPerPixel;
    return true;
}

LogicalPalette defaultPaletteFor(int modeNumber) {
    constexpr ColourValue black = physicalColourValue(0);
    constexpr ColourValue red = physicalColourValue(1);
    constexpr ColourValue yellow = physicalColourValue(3);
    constexpr ColourValue white = physicalColourValue(7);
    switch (modeNumber) {
    case 0:
    case 4:
        return {black, white, black, black, black, black, black, black};
    case 1:
    case 5:
        return {black, red, yellow, white, black, black, black, black};
    case 2: {
        LogicalPalette palette{};
        for (int n = 0; n < physicalColourCount; ++n) {
            palette[n] = physicalColourValue(n);
        }
        return palette;
    }
    default:
        return {};
    }
}

void setPalette(ConverterState& state, const LogicalPalette& colours) {
    state.palette = colours;
}

void setPaletteEntry(ConverterState& state, int entry, ColourValue colour) {
    if (entry >= 0 && entry < static_cast<int>(state.palette.size())) {
        state.palette[entry] = colour;
    }
}

void resetPaletteToDefault(ConverterState& state) {
    setPalette(state, defaultPaletteFor(state.modeNumber));
}
