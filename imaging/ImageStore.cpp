#include "imaging/ImageStore.h"

#include <algorithm>
#include <new>

namespace {

constexpr int maximumDimension = 32767;
constexpr std::size_t slotsAtStartUp = 11;
constexpr StoredPixel blackPixel = storedPixelOf(0x000000);

// Copies a run of pixels with a plain loop, which the compiler vectorises.
// The attribute keeps it from turning the loop back into memcpy, whose
// string-move path is several times slower for row-sized copies on the AMD
// processors these programs run on.
__attribute__((optimize("no-tree-loop-distribute-patterns"))) void
copyPixels(StoredPixel* __restrict to, const StoredPixel* __restrict from, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        to[i] = from[i];
    }
}

// Writes each of count pixels times times in a row.
template <int times>
void repeatPixels(StoredPixel* __restrict to, const StoredPixel* __restrict from, int count) {
    for (int i = 0; i < count; ++i) {
        for (int k = 0; k < times; ++k) {
            to[times * i + k] = from[i];
        }
    }
}

void stretchReplicate(const RasterImage& from, RasterImage& to) {
    // Whole-number enlargements across (the preview's 1, 2 and 4) write each
    // source pixel as a run; other ratios map every column separately.
    const bool wholeAcross = to.width % from.width == 0;
    const int across = to.width / from.width;
    std::vector<int> sourceColumn;
    if (!wholeAcross) {
        sourceColumn.resize(std::size_t(to.width));
        for (int dx = 0; dx < to.width; ++dx) {
            sourceColumn[std::size_t(dx)] = int(std::int64_t(dx) * from.width / to.width);
        }
    }
    int previousSourceRow = -1;
    for (int dy = 0; dy < to.height; ++dy) {
        const int sy = int(std::int64_t(dy) * from.height / to.height);
        StoredPixel* out = to.row(dy);
        if (sy == previousSourceRow) {
            copyPixels(out, to.row(dy - 1), std::size_t(to.width));
            continue;
        }
        previousSourceRow = sy;
        const StoredPixel* in = from.row(sy);
        if (!wholeAcross) {
            for (int dx = 0; dx < to.width; ++dx) {
                out[dx] = in[sourceColumn[std::size_t(dx)]];
            }
        } else if (across == 1) {
            copyPixels(out, in, std::size_t(to.width));
        } else if (across == 2) {
            repeatPixels<2>(out, in, from.width);
        } else if (across == 4) {
            repeatPixels<4>(out, in, from.width);
        } else {
            for (int sx = 0; sx < from.width; ++sx) {
                std::fill_n(out + std::size_t(sx) * across, across, in[sx]);
            }
        }
    }
}

// Bilinear blend of the four source pixels around each destination pixel's
// centre.
void stretchSmooth(const RasterImage& from, RasterImage& to) {
    const double xRatio = double(from.width) / to.width;
    const double yRatio = double(from.height) / to.height;
    auto channel = [](StoredPixel pixel, int shift) { return double((pixel >> shift) & 0xFF); };
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
            StoredPixel blended = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const double top = channel(from.row(y0)[x0], shift) * (1 - fx) +
                                   channel(from.row(y0)[x1], shift) * fx;
                const double bottom = channel(from.row(y1)[x0], shift) * (1 - fx) +
                                      channel(from.row(y1)[x1], shift) * fx;
                blended |= StoredPixel(top * (1 - fy) + bottom * fy + 0.5) << shift;
            }
            to.row(dy)[dx] = blended;
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

std::optional<RasterImage> ImageStore::makeImage(int width, int height, bool black) {
    if (width < 0 || height < 0 || width > maximumDimension || height > maximumDimension) {
        return std::nullopt;
    }
    if (width == 0 || height == 0) {
        width = 1;
        height = 1;
        black = true;
    }
    RasterImage made;
    made.width = std::int16_t(width);
    made.height = std::int16_t(height);
    try {
        made.pixels = PixelBuffer(std::size_t(width) * std::size_t(height));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (black) {
        std::fill(made.pixels.begin(), made.pixels.end(), blackPixel);
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
    std::optional<RasterImage> made = makeImage(width, height);
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
    drawWidth = std::size_t(target->width);
    drawHeight = std::size_t(target->height);
    return true;
}

void ImageStore::fillRectangle(int x, int y, int width, int height, ColourValue colour) {
    const std::int64_t left = std::max(x, 0);
    const std::int64_t top = std::max(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t(x) + width, drawWidth);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t(y) + height, drawHeight);
    for (std::int64_t row = top; row < bottom && left < right; ++row) {
        std::fill(drawPixels + row * drawWidth + left, drawPixels + row * drawWidth + right,
                  storedPixelOf(colour));
    }
}

void ImageStore::endDrawing() {
    drawPixels = nullptr;
    drawWidth = 0;
    drawHeight = 0;
}

bool ImageStore::copyImageRegion(ImageSlot sourceSlot, ImageSlot destinationSlot, int x, int y,
                                 int width, int height) {
    const RasterImage* source = image(sourceSlot);
    if (source == nullptr || sourceSlot == destinationSlot || destinationSlot < 0) {
        return false;
    }
    endDrawing();
    // The destination is re-made as by createBlankImage, which empties it first.
    if (std::size_t(destinationSlot) < slots.size()) {
        slots[destinationSlot].reset();
    }
    const bool covered = x >= 0 && y >= 0 && std::int64_t(x) + width <= source->width &&
                         std::int64_t(y) + height <= source->height;
    std::optional<RasterImage> made = makeImage(width, height, !covered);
    if (!made) {
        return false;
    }
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = int(std::min<std::int64_t>(std::int64_t(x) + made->width, source->width));
    const int bottom = int(std::min<std::int64_t>(std::int64_t(y) + made->height, source->height));
    for (int row = top; row < bottom && left < right; ++row) {
        copyPixels(made->row(row - y) + (left - x), source->row(row) + left,
                   std::size_t(right - left));
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
    // Every new pixel is written by the stretch.
    std::optional<RasterImage> made = makeImage(width, height, false);
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
