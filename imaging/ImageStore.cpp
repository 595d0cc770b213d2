#include "imaging/ImageStore.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr int maximumDimension = 32767;
constexpr std::size_t slotsAtStartUp = 11;

void fillRow(std::uint8_t* p, int count, ColourValue colour) {
    for (int i = 0; i < count; ++i, p += 3) {
        p[0] = blueOf(colour);
        p[1] = greenOf(colour);
        p[2] = redOf(colour);
    }
}

void stretchReplicate(const RasterImage& from, RasterImage& to) {
    std::vector<int> sourceOffset(to.width);
    for (int dx = 0; dx < to.width; ++dx) {
        sourceOffset[dx] = 3 * int(std::int64_t(dx) * from.width / to.width);
    }
    int previousSourceRow = -1;
    for (int dy = 0; dy < to.height; ++dy) {
        const int sy = int(std::int64_t(dy) * from.height / to.height);
        std::uint8_t* out = to.row(dy);
        if (sy == previousSourceRow) {
            std::memcpy(out, to.row(dy - 1), std::size_t(to.rowBytes()));
            continue;
        }
        const std::uint8_t* in = from.row(sy);
        for (int dx = 0; dx < to.width; ++dx) {
            std::memcpy(out + 3 * dx, in + sourceOffset[dx], 3);
        }
        previousSourceRow = sy;
    }
}

// Bilinear blend of the four source pixels around each destination pixel's
// centre.
void stretchSmooth(const RasterImage& from, RasterImage& to) {
    const double xRatio = double(from.width) / to.width;
    const double yRatio = double(from.height) / to.height;
    for (int dy = 0; dy < to.height; ++dy) {
        const double sy = std::clamp((dy + 0.5) * yRatio - 0.5, 0.0, double(from.height - 1));
        const int y0 = int(sy);
        const int y1 = std::min(y0 + 1, from.height - 1);
        const double fy = sy - y0;
        for (int dx = 0; dx < to.width; ++dx) {
            const double sx = std::clamp((dx + 0.5) * xRatio - 0.5, 0.0, double(from.width - 1));
            const int x0 = int(sx);
            const int x1 = std::min(x0 + 1, from.width - 1);
            const double fx = sx - x0;
            for (int c = 0; c < 3; ++c) {
                const double top =
                    from.row(y0)[3 * x0 + c] * (1 - fx) + from.row(y0)[3 * x1 + c] * fx;
                const double bottom =
                    from.row(y1)[3 * x0 + c] * (1 - fx) + from.row(y1)[3 * x1 + c] * fx;
                to.row(dy)[3 * dx + c] = std::uint8_t(top * (1 - fy) + bottom * fy + 0.5);
            }
        }
    }
}

} // namespace

ImageStore::ImageStore() : slots(slotsAtStartUp) {}

RasterImage* ImageStore::slotImage(ImageSlot slot) {
    if (slot < 0 || std::size_t(slot) >= slots.size() || !slots[slot]) {
        return nullptr;
    }
    return &*slots[slot];
}

const RasterImage* ImageStore::image(ImageSlot slot) const {
    if (slot < 0 || std::size_t(slot) >= slots.size() || !slots[slot]) {
        return nullptr;
    }
    return &*slots[slot];
}

bool ImageStore::imageExists(ImageSlot slot) const {
    return image(slot) != nullptr;
}

DisplayHandle ImageStore::displayHandle(ImageSlot slot) const {
    const RasterImage* found = image(slot);
    return found ? found->handle : DisplayHandle{};
}

const RasterImage* ImageStore::imageFor(DisplayHandle handle) const {
    if (!handle) {
        return nullptr;
    }
    for (const std::optional<RasterImage>& entry : slots) {
        if (entry && entry->handle == handle) {
            return &*entry;
        }
    }
    return nullptr;
}

std::optional<RasterImage> ImageStore::makeBlank(int width, int height) {
    if (width < 0 || height < 0 || width > maximumDimension || height > maximumDimension) {
        return std::nullopt;
    }
    if (width == 0 || height == 0) {
        width = 1;
        height = 1;
    }
    RasterImage made;
    made.width = std::int16_t(width);
    made.height = std::int16_t(height);
    try {
        made.pixels.assign(std::size_t(made.rowBytes()) * std::size_t(height), 0);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    made.handle = DisplayHandle{++lastHandleId};
    return made;
}

void ImageStore::place(ImageSlot slot, RasterImage&& made) {
    if (std::size_t(slot) >= slots.size()) {
        slots.resize(std::size_t(slot) + 1);
    }
    slots[slot] = std::move(made);
}

bool ImageStore::createBlankImage(ImageSlot slot, int width, int height) {
    if (slot < 0) {
        return false;
    }
    endDrawing();
    if (std::size_t(slot) < slots.size()) {
        slots[slot].reset();
    }
    std::optional<RasterImage> made = makeBlank(width, height);
    if (!made) {
        return false;
    }
    place(slot, std::move(*made));
    return true;
}

bool ImageStore::beginDrawing(ImageSlot slot) {
    endDrawing();
    RasterImage* target = slotImage(slot);
    if (target == nullptr) {
        return false;
    }
    drawPixels = target->pixels.data();
    drawWidth = target->width;
    drawHeight = target->height;
    drawRowBytes = target->rowBytes();
    return true;
}

void ImageStore::fillRectangle(int x, int y, int width, int height, ColourValue colour) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = int(std::min<std::int64_t>(std::int64_t(x) + width, drawWidth));
    const int bottom = int(std::min<std::int64_t>(std::int64_t(y) + height, drawHeight));
    for (int row = top; row < bottom; ++row) {
        if (left < right) {
            fillRow(drawPixels + std::size_t(row) * drawRowBytes + 3 * left, right - left, colour);
        }
    }
}

void ImageStore::endDrawing() {
    drawPixels = nullptr;
    drawWidth = 0;
    drawHeight = 0;
    drawRowBytes = 0;
}

bool ImageStore::copyImageRegion(ImageSlot sourceSlot, ImageSlot destinationSlot, int x, int y,
                                 int width, int height) {
    const RasterImage* source = image(sourceSlot);
    if (source == nullptr || sourceSlot == destinationSlot || destinationSlot < 0) {
        return false;
    }
    endDrawing();
    std::optional<RasterImage> made = makeBlank(width, height);
    if (!made) {
        // The destination is re-made as by createBlankImage, which empties it first.
        if (std::size_t(destinationSlot) < slots.size()) {
            slots[destinationSlot].reset();
        }
        return false;
    }
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = int(std::min<std::int64_t>(std::int64_t(x) + made->width, source->width));
    const int bottom = int(std::min<std::int64_t>(std::int64_t(y) + made->height, source->height));
    for (int row = top; row < bottom && left < right; ++row) {
        std::memcpy(made->row(row - y) + 3 * (left - x), source->row(row) + 3 * left,
                    std::size_t(3) * (right - left));
    }
    place(destinationSlot, std::move(*made));
    return true;
}

bool ImageStore::scaleImage(ImageSlot slot, int width, int height, ScaleMode mode) {
    RasterImage* old = slotImage(slot);
    if (old == nullptr) {
        return false;
    }
    if (old->width == width && old->height == height) {
        return true;
    }
    endDrawing();
    std::optional<RasterImage> made = makeBlank(width, height);
    if (!made) {
        return false;
    }
    if (mode == ScaleMode::Replicate) {
        stretchReplicate(*old, *made);
    } else {
        stretchSmooth(*old, *made);
    }
    made->depth = old->depth;
    *old = std::move(*made);
    return true;
}

void ImageStore::releaseAllImages() {
    endDrawing();
    for (std::optional<RasterImage>& entry : slots) {
        entry.reset();
    }
}
