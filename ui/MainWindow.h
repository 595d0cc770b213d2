#pragma once

#include "imaging/ImageStore.h"
#include "platform/Platform.h"

// The main window's client area at creation, before the menu bar takes its
// height from it.
constexpr PixelSize mainWindowClientSize{765, 532};

// Makes the main window with its menu bar, side panel, swatches and options,
// centred on the screen, and shows it. Needs the texture tile in slot 1.
// False when the window or its list of controls cannot be made.
bool openMainWindow(Platform& platform, ImageStore& store);
