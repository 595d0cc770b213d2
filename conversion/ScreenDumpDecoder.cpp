#include "conversion/ScreenDumpDecoder.h"

#include "conversion/DumpFile.h"
#include "conversion/PixelLayout.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace {

constexpr int linesPerCharacterRow = 8;
constexpr int maximumImageDimension = 32767;

// The logical colours of every byte value, leftmost pixel first.
struct ByteColours {
    std::array<std::array<std::uint8_t, 8>, 256> colours{};
};

constexpr ByteColours byteColoursFor(int bitsPerPixel) {
    ByteColours table;
    for (int byte = 0; byte < 256; ++byte) {
        for (int k = 0; k < 8 / bitsPerPixel; ++k) {
            table.colours[byte][k] =
                std::uint8_t(logicalColourOf(std::uint8_t(byte), k, bitsPerPixel));
        }
    }
    return table;
}

constexpr std::array<ByteColours, 3> byteColourTables = {byteColoursFor(1), byteColoursFor(2),
                                                         byteColoursFor(4)};

const ByteColours& byteColours(int bitsPerPixel) {
    return byteColourTables[bitsPerPixel == 1 ? 0 : bitsPerPixel == 2 ? 1 : 2];
}

// Sets the pixels of the picture from the dump's bytes in character-cell
// order: the 8 bytes of a cell are its 8 scan lines, cells run left to right,
// character rows top to bottom. Decoding stops at the picture's last
// character row or where the data ends.
template <int bitsPerPixel>
void decodeCells(ImageStore& store, const LogicalPalette& palette,
                 std::span<const std::uint8_t> data, int width, int lines) {
    constexpr int pixelsPerByte = 8 / bitsPerPixel;
    // The palette colours of the pixels of every byte value, worked out once
    // for this run (the palette cannot change while a dump is decoded), so
    // that each byte's pixels are set as one run.
    const ByteColours& table = byteColours(bitsPerPixel);
    std::array<std::array<StoredPixel, pixelsPerByte>, 256> byteValues;
    for (int byte = 0; byte < 256; ++byte) {
        for (int k = 0; k < pixelsPerByte; ++k) {
            byteValues[byte][k] = storedPixelOf(palette[table.colours[byte][k]]);
        }
    }
    std::size_t position = 0;
    for (int topLine = 0; topLine < lines && position < data.size();
         topLine += linesPerCharacterRow) {
        for (int column = 0; column < width && position < data.size(); column += pixelsPerByte) {
            // A cell's eight bytes are taken without a check between them: a
            // cell cut off by the end of the data is completed with zero bytes.
            for (int line = 0; line < linesPerCharacterRow; ++line, ++position) {
                const std::uint8_t byte = position < data.size() ? data[position] : 0;
                store.setPixels(column, topLine + line, byteValues[byte]);
            }
        }
    }
}

bool validGeometry(int width, int height, int bitsPerPixel) {
    if (bitsPerPixel != 1 && bitsPerPixel != 2 && bitsPerPixel != 4) {
        return false;
    }
    const int pixelsPerByte = 8 / bitsPerPixel;
    return width > 0 && width <= maximumImageDimension && width % pixelsPerByte == 0 &&
           height >= 0 && height <= maximumImageDimension;
}

} // namespace

std::string ScreenDumpDecoder::convertScreenDump(std::string path, int width, int height,
                                                 int bitsPerPixel) {
    if (path.empty()) {
        path = seam.askOpenFileName();
        if (path.empty()) {
            return {};
        }
    }
    if (!DumpFile::exists(path)) {
        seam.showMessage("Error", "file not found!");
        return {};
    }
    if (!validGeometry(width, height, bitsPerPixel)) {
        return {};
    }
    DumpFile file;
    if (!file.open(path)) {
        return {};
    }

    const int pixelsPerByte = 8 / bitsPerPixel;
    const int bytesPerLine = width / pixelsPerByte;
    const std::uint64_t availableLines = file.length() / std::uint64_t(bytesPerLine);
    const int lines = int(std::min<std::uint64_t>(std::uint64_t(height), availableLines));

    // Decoding never reaches past one full screen, so only that much is read.
    const std::size_t fullScreen = std::size_t(height) * std::size_t(bytesPerLine);
    std::vector<std::uint8_t> bytes(std::min<std::uint64_t>(file.length(), fullScreen));
    const std::size_t available = file.readPrefix(bytes.data(), bytes.size());

    store.createBlankImage(pictureSlot, width, lines);
    store.beginDrawing(pictureSlot);
    const std::span<const std::uint8_t> data(bytes.data(), available);
    switch (bitsPerPixel) {
    case 1:
        decodeCells<1>(store, state.palette, data, width, lines);
        break;
    case 2:
        decodeCells<2>(store, state.palette, data, width, lines);
        break;
    default:
        decodeCells<4>(store, state.palette, data, width, lines);
        break;
    }
    store.endDrawing();
    file.close();

    pictureHeight = lines;
    const int h8 = (lines + linesPerCharacterRow - 1) / linesPerCharacterRow * linesPerCharacterRow;
    if (previewBuilt) {
        buildPreview(width, h8);
    }
    return path;
}

void ScreenDumpDecoder::buildPreview(int pictureWidth, int h8) {
    store.copyImageRegion(pictureSlot, previewSlot, 0, 0, pictureWidth, h8);
    store.scaleImage(previewSlot, previewWidth, 2 * h8, ScaleMode::Replicate);
    seam.showPreview(store.displayHandle(previewSlot));
}
