// What the end-to-end test needs of the core:
//   tessaview-e2e-helper dump PATH           writes a full Mode 1 screen dump
//   tessaview-e2e-helper expected DUMP MODE OUT [ENTRY COLOUR]
//       writes the BMP of the dump decoded in the mode with its default
//       palette, in which logical colour ENTRY may be physical colour COLOUR
#include "conversion/ModeAndPalette.h"
#include "conversion/PhysicalColour.h"
#include "conversion/ScreenDumpDecoder.h"
#include "conversion/ScreenMode.h"
#include "imaging/BmpWriter.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A picture with structure in every character cell: diagonal stripes whose
// colours depend on the cell, so a decode in the wrong mode or order differs.
bool writeDump(const std::string& path) {
    const ScreenMode& mode = *findScreenMode(1);
    std::vector<char> bytes(std::size_t(mode.fullScreenBytes()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t cell = i / 8;
        const std::size_t line = i % 8;
        bytes[i] = char((0x11u << (line % 4)) ^ (cell * 29) ^ (line * 3));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

bool writeExpected(const std::string& dump, int modeNumber, const std::string& out, int entry,
                   int colour) {
    ConverterState state;
    if (!applyScreenMode(state, modeNumber)) {
        return false;
    }
    setPalette(state, defaultPaletteFor(modeNumber));
    if (entry >= 0) {
        setPaletteEntry(state, entry, physicalColourValue(colour));
    }
    ImageStore store;
    HeadlessDecoderSeam seam;
    ScreenDumpDecoder decoder(state, store, seam);
    return !decoder.convertScreenDump(dump, state.width, state.height, state.bitsPerPixel)
                .empty() &&
           writeBmp(store, pictureSlot, out);
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "dump" && argc == 3) {
        return writeDump(argv[2]) ? 0 : 1;
    }
    if (command == "expected" && (argc == 5 || argc == 7)) {
        const int entry = argc == 7 ? std::atoi(argv[5]) : -1;
        const int colour = argc == 7 ? std::atoi(argv[6]) : 0;
        return writeExpected(argv[2], std::atoi(argv[3]), argv[4], entry, colour) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: tessaview-e2e-helper dump PATH | expected DUMP MODE OUT [ENTRY COLOUR]\n");
    return 2;
}
