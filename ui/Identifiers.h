#pragma once

#include "imaging/RasterImage.h"
#include "platform/PlatformTypes.h"

// The numbers of the program's windows, menu items and main-window controls.

constexpr WindowId mainWindowId = 1;
constexpr WindowId aboutWindowId = 2;
constexpr WindowId colourPickerWindowId = 3;

constexpr MenuItemId openFileItem = 2;
constexpr MenuItemId saveAsItem = 3;
constexpr MenuItemId exitItem = 4;
constexpr MenuItemId optionsItem = 6;
constexpr MenuItemId manualItem = 8;
constexpr MenuItemId aboutItem = 9;

constexpr ControlId imageDisplayId = 10;
constexpr ControlId sidePanelId = 11;
constexpr ControlId paletteGroupId = 12;
constexpr ControlId firstPaletteSwatchId = 13; // logical colour n has 13 + n
constexpr ControlId lastPaletteSwatchId = 20;
constexpr ControlId defaultPaletteButtonId = 21;
constexpr ControlId modeGroupId = 22;
constexpr ControlId mode0OptionId = 23;
constexpr ControlId mode1OptionId = 24;
constexpr ControlId mode2OptionId = 25;
constexpr ControlId mode4OptionId = 26;
constexpr ControlId mode5OptionId = 27;

constexpr ImageSlot textureSlot = 1;
constexpr ImageSlot aboutBannerSlot = 11;
constexpr ImageSlot firstPaletteFaceSlot = 3; // logical colour n has 3 + n
