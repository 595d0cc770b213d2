#pragma once

#include "imaging/RasterImage.h"
#include "platform/win32/WindowsApi.h"

// A 32-bit top-down DIB section holding a copy of the image's pixels, whose
// stored form (bytes blue, green, red, 0xFF) is that bitmap's own layout.
// Null when the bitmap cannot be made. The caller deletes it.
HBITMAP bitmapOf(const RasterImage& image);
