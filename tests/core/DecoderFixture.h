#pragma once

#include "conversion/ModeAndPalette.h"
#include "conversion/ScreenDumpDecoder.h"
#include "conversion/ScreenMode.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

// A decoder with the Mode 2 palette and a folder for its dumps.
class Decoder : public testing::Test {
protected:
    TemporaryFolder folder;
    ConverterState state;
    ImageStore store;
    HeadlessDecoderSeam seam;
    ScreenDumpDecoder decoder{state, store, seam};

    void SetUp() override { setPalette(state, defaultPaletteFor(2)); }

    std::string dump(const std::vector<std::uint8_t>& bytes, const std::string& name = "dump") {
        const std::string path = folder.file(name);
        writeWholeFile(path, bytes);
        return path;
    }

    std::string decode(const std::string& path, int modeNumber) {
        const ScreenMode& mode = *findScreenMode(modeNumber);
        return decoder.convertScreenDump(path, mode.width, mode.height, mode.bitsPerPixel);
    }

    const RasterImage& picture() const { return *store.image(pictureSlot); }
    const RasterImage& preview() const { return *store.image(previewSlot); }
};

// A decoder that has already shown one picture, to see that a failure keeps it.
class FailedDecode : public Decoder {
protected:
    DisplayHandle pictureBefore;
    DisplayHandle previewBefore;

    void SetUp() override {
        Decoder::SetUp();
        ASSERT_FALSE(decode(dump(std::vector<std::uint8_t>(20480, 0x5A), "earlier"), 2).empty());
        pictureBefore = store.displayHandle(pictureSlot);
        previewBefore = store.displayHandle(previewSlot);
    }

    void expectSlotsUnchanged() {
        EXPECT_EQ(store.displayHandle(pictureSlot), pictureBefore);
        EXPECT_EQ(store.displayHandle(previewSlot), previewBefore);
    }
};
