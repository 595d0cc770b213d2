#pragma once

#include "imaging/RasterImage.h"

#include <QImage>

// A QImage over the image's own pixels (0xFFRRGGBB each), without a copy: it
// is valid only as long as the image is not changed or released.
inline QImage viewOf(const RasterImage& image) {
    static_assert(sizeof(StoredPixel) == 4);
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  qsizetype(image.width) * qsizetype(sizeof(StoredPixel)), QImage::Format_RGB32);
}
