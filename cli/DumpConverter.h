#pragma once

#include "cli/ConvertOptions.h"
#include "conversion/ConverterState.h"
#include "conversion/DecoderSeam.h"
#include "conversion/ScreenDumpDecoder.h"
#include "imaging/ImageStore.h"

#include <string>

// Decodes dumps one after the other into one image store, in the mode and
// palette of the options, and writes the picture or its preview. Memory use
// does not grow with the number of dumps: every dump re-makes the same slots.
class DumpConverter {
public:
    explicit DumpConverter(const ConvertOptions& options);
    DumpConverter(const DumpConverter&) = delete;
    DumpConverter& operator=(const DumpConverter&) = delete;

    // False when the decoder could not open the dump.
    bool decode(const std::string& dump);
    // Scan lines the last dump held, and those of a full screen of the mode.
    int linesHeld() const { return decoder.lastPictureHeight(); }
    int fullScreenLines() const { return state.height; }

    bool write(const std::string& outputPath) const;

private:
    ConverterState state;
    ImageStore store;
    HeadlessDecoderSeam seam;
    ScreenDumpDecoder decoder{state, store, seam};
    OutputFormat format;
    ImageSlot writtenSlot;
};
