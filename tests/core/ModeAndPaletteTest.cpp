#include "conversion/ModeAndPalette.h"

#include "conversion/PhysicalColour.h"
#include "conversion/ScreenMode.h"

#include <gtest/gtest.h>

namespace {

constexpr ColourValue black = 0x000000;
constexpr ColourValue red = 0x0000FF;
constexpr ColourValue yellow = 0x00FFFF;
constexpr ColourValue white = 0xFFFFFF;

TEST(PhysicalColour, BitsOfTheNumberGiveFullChannels) {
    const ColourValue expected[] = {0x000000, 0x0000FF, 0x00FF00, 0x00FFFF,
                                    0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int n = 0; n < physicalColourCount; ++n) {
        EXPECT_EQ(physicalColourValue(n), expected[n]) << "colour " << n;
    }
}

struct ModeRow {
    int modeNumber, width, bitsPerPixel, pixelsPerByte, bytesPerLine, logicalColours, fullScreen;

    friend void PrintTo(const ModeRow& row, std::ostream* out) {
        *out << "mode " << row.modeNumber;
    }
};

class ScreenModeTableTest : public testing::TestWithParam<ModeRow> {};

TEST_P(ScreenModeTableTest, RowAndDerivedValues) {
    const ModeRow row = GetParam();
    const ScreenMode* mode = findScreenMode(row.modeNumber);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->width, row.width);
    EXPECT_EQ(mode->height, 256);
    EXPECT_EQ(mode->bitsPerPixel, row.bitsPerPixel);
    EXPECT_EQ(mode->pixelsPerByte(), row.pixelsPerByte);
    EXPECT_EQ(mode->bytesPerLine(), row.bytesPerLine);
    EXPECT_EQ(mode->logicalColours(), row.logicalColours);
    EXPECT_EQ(mode->fullScreenBytes(), row.fullScreen);
}

INSTANTIATE_TEST_SUITE_P(Modes, ScreenModeTableTest,
                         testing::Values(ModeRow{0, 640, 1, 8, 80, 2, 20480},
                                         ModeRow{1, 320, 2, 4, 80, 4, 20480},
                                         ModeRow{2, 160, 4, 2, 80, 16, 20480},
                                         ModeRow{4, 320, 1, 8, 40, 2, 10240},
                                         ModeRow{5, 160, 2, 4, 40, 4, 10240}));

TEST(ScreenModeTable, OtherNumbersAreNoMode) {
    for (int number : {-1, 3, 6, 7, 100}) {
        EXPECT_EQ(findScreenMode(number), nullptr) << number;
    }
}

TEST(DefaultPalette, EveryModeAndTheBlackEntriesAboveItsColours) {
    const LogicalPalette twoColour = {black, white, black, black, black, black, black, black};
    const LogicalPalette fourColour = {black, red, yellow, white, black, black, black, black};
    EXPECT_EQ(defaultPaletteFor(0), twoColour);
    EXPECT_EQ(defaultPaletteFor(4), twoColour);
    EXPECT_EQ(defaultPaletteFor(1), fourColour);
    EXPECT_EQ(defaultPaletteFor(5), fourColour);
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(defaultPaletteFor(2)[n], physicalColourValue(n));
    }
}

TEST(ApplyScreenMode, ChangesTheGeometryAndKeepsThePalette) {
    ConverterState state;
    setPalette(state, defaultPaletteFor(2));
    ASSERT_TRUE(applyScreenMode(state, 0));
    EXPECT_EQ(state.modeNumber, 0);
    EXPECT_EQ(state.width, 640);
    EXPECT_EQ(state.height, 256);
    EXPECT_EQ(state.bitsPerPixel, 1);
    EXPECT_EQ(state.palette[1], red) << "switching mode keeps logical colour 1 red";
}

TEST(ApplyScreenMode, NumberThatIsNoModeChangesNothing) {
    ConverterState state;
    ASSERT_TRUE(applyScreenMode(state, 5));
    EXPECT_FALSE(applyScreenMode(state, 3));
    EXPECT_EQ(state.modeNumber, 5);
    EXPECT_EQ(state.width, 160);
    EXPECT_EQ(state.bitsPerPixel, 2);
}

TEST(ResetPaletteToDefault, ReplacesEveryEntryWithTheCurrentModesDefault) {
    for (int mode : {0, 1, 2, 4, 5}) {
        ConverterState state;
        setPalette(state, {white, white, white, white, white, white, white, white});
        applyScreenMode(state, mode);
        resetPaletteToDefault(state);
        EXPECT_EQ(state.palette, defaultPaletteFor(mode)) << "mode " << mode;
    }
}

TEST(SetPaletteEntry, ChangesOneEntryOnly) {
    ConverterState state;
    setPalette(state, defaultPaletteFor(2));
    setPaletteEntry(state, 5, white);
    LogicalPalette expected = defaultPaletteFor(2);
    expected[5] = white;
    EXPECT_EQ(state.palette, expected);
    setPaletteEntry(state, 8, red);
    setPaletteEntry(state, -1, red);
    EXPECT_EQ(state.palette, expected) << "entries outside 0-7 are ignored";
}

} // namespace
