#pragma once

#include "conversion/ConverterState.h"
#include "conversion/DecoderSeam.h"
#include "imaging/ImageStore.h"

#include <string>

// Image slots that the decoder fills.
constexpr ImageSlot pictureSlot = 0;
constexpr ImageSlot previewSlot = 1;

// Width of every preview; every scan line is shown twice.
constexpr int previewWidth = 640;

// Turns a screen dump into the picture (slot 0, at the mode's resolution,
// painted with the state's palette) and its preview (slot 1).
class ScreenDumpDecoder {
public:
    ScreenDumpDecoder(const ConverterState& state, ImageStore& store, DecoderSeam& seam)
        : state(state), store(store), seam(seam) {}

    // Decodes the dump at the path, or at a path asked of the user when the
    // path is empty. Returns the path decoded, or empty text when the dialog
    // was cancelled or the file is missing or cannot be opened; the slots are
    // then left as they were.
    std::string convertScreenDump(std::string path, int width, int height, int bitsPerPixel);

    // Copies the picture's top h8 lines into slot 1, enlarges the copy to
    // 640 x 2*h8 and hands it to the display.
    void buildPreview(int pictureWidth, int h8);

    // Scan lines held by the last dump decoded to its end.
    int lastPictureHeight() const { return pictureHeight; }

    // A caller that only wants the picture in slot 0 can spare the decoder
    // building the preview; the window program always has it built.
    void setPreviewBuilt(bool built) { previewBuilt = built; }

private:
    const ConverterState& state;
    ImageStore& store;
    DecoderSeam& seam;
    int pictureHeight = 0;
    bool previewBuilt = true;
};
