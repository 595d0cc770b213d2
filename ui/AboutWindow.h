#pragma once

#include "conversion/ConverterState.h"
#include "imaging/ImageStore.h"
#include "platform/Platform.h"
#include "ui/ControlColourTable.h"

constexpr PixelSize aboutWindowClientSize{415, 271};
constexpr ControlId aboutOkayButtonId = 33;
constexpr ControlId aboutBannerId = 37;

// The window with the program's name, version, credits and disclaimer
// beside the banner, dismissed with its Okay button.

// Opens the window with all its controls; false when the window or its
// control list cannot be made (no window is left behind).
bool openAboutWindow(Platform& platform, const ImageStore& store, ControlColourTable& colours);

// Opens the window and waits, consuming every other event, until Okay is
// clicked; then closes it. Returns at once when the window cannot be opened,
// since there would be no Okay to click.
void showAboutWindow(Platform& platform, const ImageStore& store, ControlColourTable& colours,
                     ConverterState& state);
