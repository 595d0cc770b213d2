#include "cli/DumpConverter.h"

#include "cli/ImageOutput.h"
#include "cli/OutputNaming.h"
#include "conversion/ModeAndPalette.h"

DumpConverter::DumpConverter(const ConvertOptions& options)
    : format(outputFormatFor(options)), writtenSlot(options.preview ? previewSlot : pictureSlot) {
    // The picture alone needs no preview.
    decoder.setPreviewBuilt(options.preview);
    applyScreenMode(state, options.modeNumber);
    // Unlike the window program, the converter has no earlier palette to keep.
    resetPaletteToDefault(state);
    for (std::size_t entry = 0; entry < options.paletteEntries.size(); ++entry) {
        setPaletteEntry(state, int(entry), physicalColourValue(options.paletteEntries[entry]));
    }
}

bool DumpConverter::decode(const std::string& dump) {
    const std::string decoded =
        decoder.convertScreenDump(dump, state.width, state.height, state.bitsPerPixel);
    // The seam keeps every message; nothing is shown, so none is kept.
    seam.messages.clear();
    return !decoded.empty();
}

bool DumpConverter::write(const std::string& outputPath) const {
    return writeImage(store, writtenSlot, format, outputPath);
}
