#include "platform/win32/Win32Bitmap.h"

#include <cstring>

HBITMAP bitmapOf(const RasterImage& image) {
    if (image.width <= 0 || image.height <= 0) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -LONG(image.height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        return nullptr;
    }
    std::memcpy(bits, image.pixels.data(),
                std::size_t(image.width) * std::size_t(image.height) * sizeof(StoredPixel));
    GdiFlush();
    return bitmap;
}
