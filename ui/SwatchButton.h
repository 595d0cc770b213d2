#pragma once

#include "conversion/LogicalPalette.h"
#include "imaging/ImageStore.h"
#include "platform/Platform.h"

#include <cstdint>

// A clickable image control whose face is a solid-colour image in a slot.

constexpr int swatchCreated = 2;
constexpr int swatchUpdated = 1;

// Creates the swatch in the open control list, or recolours (and, for a new
// size, resizes) one whose control and face both exist. A width or height of
// 0 on the update path stands for the present size. Returns swatchCreated or
// swatchUpdated.
int makeSwatchButton(Platform& platform, ImageStore& store, ControlId controlId, ImageSlot slot,
                     std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     ColourValue colour, std::uint32_t extendedStyle);

// Refills the top-left 20 x 20 of the face and has the control redrawn.
void paintSwatch(Platform& platform, ImageStore& store, ControlId controlId, ImageSlot slot,
                 ColourValue colour);

// Refills all eight palette swatches from the palette.
void repaintPaletteSwatches(Platform& platform, ImageStore& store, const LogicalPalette& palette);

// True when the control exists and has been marked for repainting.
bool redrawControl(Platform& platform, ControlId controlId);
