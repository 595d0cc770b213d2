#include "ui/SwatchButton.h"

#include "ui/Identifiers.h"

namespace {

constexpr int faceSize = 20;

} // namespace

int makeSwatchButton(Platform& platform, ImageStore& store, ControlId controlId, ImageSlot slot,
                     std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     ColourValue colour, std::uint32_t extendedStyle) {
    int result = swatchCreated;
    if (platform.controlExists(controlId) && store.imageExists(slot)) {
        const PixelSize present = platform.controlClientSize(controlId).value_or(PixelSize{});
        if (width == 0) {
            width = present.width;
        }
        if (height == 0) {
            height = present.height;
        }
        store.scaleImage(slot, width, height, ScaleMode::Smooth);
        result = swatchUpdated;
    } else {
        store.createBlankImage(slot, width, height);
        platform.makeImageControl(controlId, x, y, width, height, extendedStyle);
        platform.setControlImage(controlId, store.displayHandle(slot));
    }
    if (store.beginDrawing(slot)) {
        store.fillRectangle(0, 0, width, height, colour);
        store.endDrawing();
    }
    platform.setControlImage(controlId, store.displayHandle(slot));
    return result;
}

void paintSwatch(Platform& platform, ImageStore& store, ControlId controlId, ImageSlot slot,
                 ColourValue colour) {
    store.beginDrawing(slot);
    store.fillRectangle(0, 0, faceSize, faceSize, colour);
    store.endDrawing();
    redrawControl(platform, controlId);
}

void repaintPaletteSwatches(Platform& platform, ImageStore& store, const LogicalPalette& palette) {
    for (int n = 0; n < int(palette.size()); ++n) {
        paintSwatch(platform, store, firstPaletteSwatchId + n, firstPaletteFaceSlot + n,
                    palette[n]);
    }
}

bool redrawControl(Platform& platform, ControlId controlId) {
    return platform.invalidateControl(controlId);
}
