#include "conversion/ScreenDumpDecoder.h"

#include "conversion/ModeAndPalette.h"
#include "conversion/ScreenMode.h"
#include "tests/core/DecoderFixture.h"

#include <gtest/gtest.h>
#include <random>

namespace {

constexpr ColourValue white = 0xFFFFFF;
constexpr ColourValue red = 0x0000FF;

// One byte placed in an otherwise zero full screen, and the logical colours
// of the pixels it must light; every other pixel stays colour 0.
struct PixelCase {
    int modeNumber;
    std::size_t offset;
    std::uint8_t byte;
    int y;
    int x;
    std::vector<int> colours; // of pixels x, x+1, ...

    friend void PrintTo(const PixelCase& c, std::ostream* out) {
        *out << "mode " << c.modeNumber << ", byte " << int(c.byte) << " at " << c.offset;
    }
};

class BitLayoutTest : public Decoder, public testing::WithParamInterface<PixelCase> {};

TEST_P(BitLayoutTest, ByteLightsItsPixels) {
    const PixelCase c = GetParam();
    std::vector<std::uint8_t> bytes(std::size_t(findScreenMode(c.modeNumber)->fullScreenBytes()),
                                    0);
    bytes[c.offset] = c.byte;
    ASSERT_FALSE(decode(dump(bytes), c.modeNumber).empty());
    const RasterImage& image = picture();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            int expected = 0;
            if (y == c.y && x >= c.x && x < c.x + int(c.colours.size())) {
                expected = c.colours[std::size_t(x - c.x)];
            }
            ASSERT_EQ(image.pixelAt(x, y), state.palette[std::size_t(expected)]) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, BitLayoutTest,
    testing::Values(
        // Mode 0: cells of 8 bytes, 80 cells to a character row of 640 bytes.
        PixelCase{0, 0, 0x80, 0, 0, {1, 0, 0, 0, 0, 0, 0, 0}},
        PixelCase{0, 0, 0x01, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}},
        PixelCase{0, 1, 0xFF, 1, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
        PixelCase{0, 8, 0xA5, 0, 8, {1, 0, 1, 0, 0, 1, 0, 1}},
        PixelCase{0, 640, 0xFF, 8, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
        PixelCase{0, 20479, 0x01, 255, 632, {0, 0, 0, 0, 0, 0, 0, 1}},
        // Mode 1: pixel k is bits 7-k and 3-k.
        PixelCase{1, 0, 0xF0, 0, 0, {2, 2, 2, 2}}, PixelCase{1, 0, 0x0F, 0, 0, {1, 1, 1, 1}},
        PixelCase{1, 0, 0xFF, 0, 0, {3, 3, 3, 3}}, PixelCase{1, 0, 0x88, 0, 0, {3, 0, 0, 0}},
        PixelCase{1, 643, 0x12, 11, 0, {0, 0, 1, 2}},
        // Mode 2: pixel k is bits 7-k, 5-k, 3-k, 1-k; colours 8-15 fold to 0-7.
        PixelCase{2, 0, 0xAA, 0, 0, {7, 0}}, PixelCase{2, 0, 0x55, 0, 0, {0, 7}},
        PixelCase{2, 0, 0x80, 0, 0, {0, 0}}, PixelCase{2, 0, 0x03, 0, 0, {1, 1}},
        PixelCase{2, 0, 0x02, 0, 0, {1, 0}}, PixelCase{2, 16, 0x28, 0, 4, {6, 0}},
        // Modes 4 and 5: 40 cells to a character row of 320 bytes.
        PixelCase{4, 320, 0x80, 8, 0, {1, 0}},
        PixelCase{4, 10239, 0x01, 255, 312, {0, 0, 0, 0, 0, 0, 0, 1}},
        PixelCase{5, 0, 0x88, 0, 0, {3, 0, 0, 0}}, PixelCase{5, 335, 0x44, 15, 4, {0, 3, 0, 0}}));

struct LengthCase {
    int modeNumber;
    std::size_t length;
    int pictureWidth, pictureHeight, previewHeight;

    friend void PrintTo(const LengthCase& c, std::ostream* out) {
        *out << "mode " << c.modeNumber << ", " << c.length << " bytes";
    }
};

class ShortFileTest : public Decoder, public testing::WithParamInterface<LengthCase> {};

TEST_P(ShortFileTest, PictureHeightFollowsTheLength) {
    const LengthCase c = GetParam();
    const std::string path = dump(std::vector<std::uint8_t>(c.length, 0xFF));
    EXPECT_EQ(decode(path, c.modeNumber), path);
    EXPECT_EQ(decoder.lastPictureHeight(), c.pictureHeight);
    const bool empty = c.pictureHeight == 0;
    EXPECT_EQ(picture().width, empty ? 1 : c.pictureWidth);
    EXPECT_EQ(picture().height, empty ? 1 : c.pictureHeight);
    EXPECT_EQ(preview().width, empty ? 1 : 640);
    EXPECT_EQ(preview().height, empty ? 1 : c.previewHeight);
    if (empty) {
        EXPECT_EQ(picture().pixelAt(0, 0), 0u);
        EXPECT_EQ(preview().pixelAt(0, 0), 0u);
    }
    EXPECT_TRUE(seam.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ShortFileTest,
    testing::Values(LengthCase{0, 0, 640, 0, 0}, LengthCase{0, 79, 640, 0, 0},
                    LengthCase{0, 80, 640, 1, 16}, LengthCase{0, 10001, 640, 125, 256},
                    LengthCase{0, 10240, 640, 128, 256}, LengthCase{0, 10270, 640, 128, 256},
                    LengthCase{0, 20480, 640, 256, 512}, LengthCase{0, 30000, 640, 256, 512},
                    LengthCase{4, 10240, 320, 256, 512}, LengthCase{4, 20480, 320, 256, 512},
                    LengthCase{5, 20480, 160, 256, 512}, LengthCase{5, 39, 160, 0, 0},
                    LengthCase{2, 12345, 160, 154, 320}));

TEST_F(Decoder, PartialLastCharacterRow) {
    // 10001 bytes in Mode 0: 15 whole character rows, then 401 bytes of row 15:
    // cells 0-49 whole, cell 50 has only its first line; the rest stays black.
    setPaletteEntry(state, 0, white);
    setPaletteEntry(state, 1, red);
    ASSERT_FALSE(decode(dump(std::vector<std::uint8_t>(10001, 0xFF)), 0).empty());
    const RasterImage& image = picture();
    ASSERT_EQ(image.height, 125);
    for (int y = 0; y < 125; ++y) {
        for (int x = 0; x < 640; ++x) {
            ColourValue expected = red;
            if (y >= 120 && x >= 400 && x < 408) {
                expected = y == 120 ? red : white; // completed with zero bytes
            } else if (y >= 120 && x >= 408) {
                expected = 0x000000; // never reached
            }
            ASSERT_EQ(image.pixelAt(x, y), expected) << x << "," << y;
        }
    }
    const RasterImage& enlarged = preview();
    ASSERT_EQ(enlarged.height, 256);
    for (int y = 250; y < 256; ++y) {
        EXPECT_EQ(enlarged.pixelAt(0, y), 0u) << "line " << y << " lies below the picture";
    }
    EXPECT_EQ(enlarged.pixelAt(0, 249), red);
}

TEST_F(Decoder, BytesPastOneFullScreenAreIgnored) {
    std::vector<std::uint8_t> bytes(20480, 0x00);
    std::fill(bytes.begin() + 10240, bytes.end(), 0xFF);
    ASSERT_FALSE(decode(dump(bytes), 4).empty());
    const RasterImage& image = picture();
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 320; ++x) {
            ASSERT_EQ(image.pixelAt(x, y), 0u);
        }
    }
}

class PreviewTest : public Decoder, public testing::WithParamInterface<int> {};

TEST_P(PreviewTest, EveryPicturePixelBecomesABlockOfTheSameColour) {
    const int modeNumber = GetParam();
    std::mt19937 random(7);
    std::vector<std::uint8_t> bytes(std::size_t(findScreenMode(modeNumber)->fullScreenBytes()));
    for (auto& b : bytes) {
        b = std::uint8_t(random());
    }
    ASSERT_FALSE(decode(dump(bytes), modeNumber).empty());
    const RasterImage& image = picture();
    const RasterImage& enlarged = preview();
    ASSERT_EQ(enlarged.width, 640);
    ASSERT_EQ(enlarged.height, 512);
    const int across = 640 / image.width;
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 640; ++x) {
            ASSERT_EQ(enlarged.pixelAt(x, y), image.pixelAt(x / across, y / 2)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PreviewTest, testing::Values(0, 1, 2, 4, 5));

TEST_F(Decoder, UsesThePaletteAsItIsNow) {
    // Straight after start-up a Mode 0 dump shows its set pixels in red.
    const std::string path = dump(std::vector<std::uint8_t>(20480, 0x80));
    ASSERT_FALSE(decode(path, 0).empty());
    EXPECT_EQ(picture().pixelAt(0, 0), red);
    resetPaletteToDefault(state);
    applyScreenMode(state, 0);
    resetPaletteToDefault(state);
    ASSERT_FALSE(decode(path, 0).empty());
    EXPECT_EQ(picture().pixelAt(0, 0), white);
    EXPECT_EQ(picture().pixelAt(1, 0), 0u);
}

TEST_F(FailedDecode, MissingFileShowsTheMessage) {
    EXPECT_EQ(decode(folder.file("gone"), 2), "");
    EXPECT_EQ(seam.messages, std::vector<std::string>{"file not found!"});
    expectSlotsUnchanged();
}

TEST_F(FailedDecode, CancelledDialogChangesNothing) {
    EXPECT_EQ(decode("", 2), "");
    EXPECT_TRUE(seam.messages.empty());
    expectSlotsUnchanged();
}

TEST_F(FailedDecode, PathWithAnEmbeddedNulIsNotFound) {
    const std::string path = folder.file("earlier") + std::string("\0x", 2);
    EXPECT_EQ(decode(path, 2), "");
    expectSlotsUnchanged();
}

TEST_F(Decoder, PathsWithSpacesAndNonAsciiBytes) {
    const std::string path =
        dump(std::vector<std::uint8_t>(20480, 0x0F), "$.Sch\xC3\xB6ner Bildschirm");
    EXPECT_EQ(decode(path, 1), path);
    EXPECT_EQ(picture().pixelAt(0, 0), state.palette[1]);
}

TEST_F(Decoder, HugeSparseFileDecodesItsFirstScreen) {
    const std::string path = folder.file("huge");
    writeWholeFile(path, std::vector<std::uint8_t>(20480, 0xFF));
    std::filesystem::resize_file(path, std::uintmax_t(4) << 30);
    EXPECT_EQ(decode(path, 0), path);
    EXPECT_EQ(picture().height, 256);
    EXPECT_EQ(picture().pixelAt(639, 255), state.palette[1]);
}

} // namespace
