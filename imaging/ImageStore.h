#pragma once

#include "conversion/ColourValue.h"
#include "imaging/RasterImage.h"
#include "imaging/ScaleMode.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

// The table of numbered images that every picture of the program lives in:
// the decoded picture, its preview, the swatch faces and the two pictures
// built into the program. Slot numbers are chosen by the callers.
class ImageStore {
public:
    ImageStore();

    // Makes a black width x height image in the slot, releasing what it held.
    // A width or height of 0 gives a 1 x 1 black image. On failure the slot
    // is left empty.
    bool createBlankImage(ImageSlot slot, int width, int height);

    bool imageExists(ImageSlot slot) const;
    const RasterImage* image(ImageSlot slot) const;

    DisplayHandle displayHandle(ImageSlot slot) const;
    // The image a handle names, or null once that image has been replaced.
    const RasterImage* imageFor(DisplayHandle handle) const;

    // One drawing is open at a time; beginDrawing ends any open one first.
    bool beginDrawing(ImageSlot slot);
    // Writes straight into the open image; positions outside it are ignored.
    void setPixel(int x, int y, ColourValue colour) {
        if (std::size_t(unsigned(x)) >= drawWidth || std::size_t(unsigned(y)) >= drawHeight) {
            return;
        }
        drawPixels[std::size_t(y) * drawWidth + std::size_t(x)] = storedPixelOf(colour);
    }
    // The same as setPixel for a run of pixels from (x, y) rightwards, with
    // the colours already in stored form (storedPixelOf): one clip for the
    // run, for callers that set whole runs of pixels at a time.
    template <std::size_t count>
    void setPixels(int x, int y, const std::array<StoredPixel, count>& colours) {
        if (std::size_t(unsigned(y)) >= drawHeight) {
            return;
        }
        StoredPixel* row = drawPixels + std::size_t(y) * drawWidth;
        if (x >= 0 && std::size_t(x) + count <= drawWidth) {
            std::memcpy(row + x, colours.data(), sizeof colours);
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (std::size_t(unsigned(x + int(i))) < drawWidth) {
                row[x + int(i)] = colours[i];
            }
        }
    }
    void fillRectangle(int x, int y, int width, int height, ColourValue colour);
    void endDrawing();

    // Re-makes the destination as a black width x height image and copies the
    // source rectangle at (x, y) into it; parts outside the source stay black.
    bool copyImageRegion(ImageSlot sourceSlot, ImageSlot destinationSlot, int x, int y, int width,
                         int height);

    // Stretches the slot's image to width x height in place; asking for the
    // size it already has changes nothing and keeps its display handle.
    bool scaleImage(ImageSlot slot, int width, int height, ScaleMode mode);

    void releaseAllImages();

    // Decodes PNG data into the slot as 8-bit RGB; data that is not a whole,
    // valid PNG leaves the slot untouched.
    bool loadEmbeddedPng(ImageSlot slot, std::span<const std::uint8_t> bytes);

private:
    RasterImage* slotImage(ImageSlot slot);
    // A new image, all black unless the caller is about to write every pixel.
    std::optional<RasterImage> makeImage(int width, int height, bool black = true);
    void place(ImageSlot slot, RasterImage&& image);

    std::vector<std::optional<RasterImage>> slots;
    // The open drawing, kept as raw pixel geometry so that setPixel costs a
    // bounds check and one store. Width and height are 0 while none is open;
    // their type differs from the pixels' so that a pixel store cannot alias
    // them and they stay in registers through a loop of setPixel calls.
    StoredPixel* drawPixels = nullptr;
    std::size_t drawWidth = 0;
    std::size_t drawHeight = 0;
    std::uint64_t lastHandleId = 0;
};
