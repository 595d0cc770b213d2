#pragma once

#include "conversion/ColourValue.h"
#include "imaging/ImageStore.h"
#include "platform/Platform.h"

#include <optional>

constexpr PixelSize colourPickerClientSize{200, 24};
constexpr ControlId firstPickerSwatchId = 38; // physical colour n has 38 + n
constexpr ControlId lastPickerSwatchId = 45;
constexpr ImageSlot firstPickerFaceSlot = 12; // physical colour n has 12 + n

// The small window at the mouse cursor with one swatch for each physical
// colour: the user clicks one to choose it.

// Opens the picker with its eight swatches; false when its window or its
// control list cannot be made (no picker is left behind).
bool openColourPicker(Platform& platform, ImageStore& store);

// Opens the picker and waits, consuming every other event, until one of its
// swatches is clicked; returns that colour. Returns nothing at once when the
// picker cannot be opened, since nothing could then be clicked.
std::optional<ColourValue> pickColour(Platform& platform, ImageStore& store);
