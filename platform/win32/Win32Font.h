#pragma once

#include "platform/PlatformTypes.h"
#include "platform/win32/WindowsApi.h"

// A font of the face, point size and weight: its character height is the
// point size at the display's vertical pixels per inch, rounded.
HFONT createFontFor(const FontDefinition& definition);
