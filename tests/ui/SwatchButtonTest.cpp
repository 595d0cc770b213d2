// Swatch buttons on a window of their own.
#include "ui/SwatchButton.h"

#include "conversion/PhysicalColour.h"
#include "platform/qt/QtPlatform.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class SwatchButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.initialise(store);
        ASSERT_TRUE(platform.openWindow({3, "", {200, 60}, WindowFrame::DialogFrame, {}, 0}));
        ASSERT_TRUE(platform.openControlList(3));
        platform.showWindow(3);
    }

    ColourValue shown(ControlId id, int x, int y) {
        const QImage face = platform.widgetOf(id)->grab().toImage();
        const QColor c = face.pixelColor(x, y);
        return makeColour(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
    }

    ImageStore store;
    QtPlatform platform;
};

TEST_F(SwatchButtonTest, ClientEdgeMakesA20FaceA24Control) {
    EXPECT_EQ(makeSwatchButton(platform, store, 38, 12, 0, 0, 20, 20, 0x0000FF, WS_EX_CLIENTEDGE),
              swatchCreated);
    EXPECT_EQ(platform.widgetOf(38)->geometry(), QRect(0, 0, 24, 24));
    EXPECT_EQ(shown(38, 2, 2), 0x0000FFu);
    EXPECT_EQ(shown(38, 21, 21), 0x0000FFu);
    EXPECT_NE(shown(38, 0, 0), 0x0000FFu);
    EXPECT_EQ(makeSwatchButton(platform, store, 39, 13, 25, 0, 20, 20, 0x00FF00, 0), swatchCreated);
    EXPECT_EQ(platform.widgetOf(39)->geometry(), QRect(25, 0, 20, 20));
    EXPECT_EQ(shown(39, 0, 0), 0x00FF00u);
}

TEST_F(SwatchButtonTest, EightOnA25PitchEndAt199) {
    for (int n = 0; n < 8; ++n) {
        makeSwatchButton(platform, store, 38 + n, 12 + n, 25 * n, 0, 20, 20, physicalColourValue(n),
                         WS_EX_CLIENTEDGE);
    }
    const QRect last = platform.widgetOf(45)->geometry();
    EXPECT_EQ(last.x() + last.width(), 199);
    // One pixel between neighbours.
    EXPECT_EQ(platform.widgetOf(39)->geometry().left() - platform.widgetOf(38)->geometry().right(),
              2);
}

TEST_F(SwatchButtonTest, UpdateWithZeroSizeOnlyRecolours) {
    makeSwatchButton(platform, store, 38, 12, 10, 10, 20, 20, 0x000000, WS_EX_CLIENTEDGE);
    EXPECT_EQ(makeSwatchButton(platform, store, 38, 12, 99, 99, 0, 0, 0xFFFFFF, 0), swatchUpdated);
    EXPECT_EQ(platform.widgetOf(38)->geometry(), QRect(10, 10, 24, 24));
    EXPECT_EQ(store.image(12)->width, 20);
    EXPECT_EQ(shown(38, 12, 12), 0xFFFFFFu);
}

TEST_F(SwatchButtonTest, UpdateWithANewSizeResizesAroundTheSameCorner) {
    makeSwatchButton(platform, store, 38, 12, 10, 10, 20, 20, 0x000000, WS_EX_CLIENTEDGE);
    EXPECT_EQ(makeSwatchButton(platform, store, 38, 12, 0, 0, 30, 16, 0xFF0000, 0), swatchUpdated);
    EXPECT_EQ(platform.widgetOf(38)->geometry(), QRect(10, 10, 34, 20));
    EXPECT_EQ(shown(38, 30, 16), 0xFF0000u);
}

TEST_F(SwatchButtonTest, MissingControlOrMissingFaceTakesTheCreationPath) {
    store.createBlankImage(12, 20, 20);
    EXPECT_EQ(makeSwatchButton(platform, store, 38, 12, 0, 0, 20, 20, 0, WS_EX_CLIENTEDGE),
              swatchCreated);
    makeSwatchButton(platform, store, 39, 13, 25, 0, 20, 20, 0, WS_EX_CLIENTEDGE);
    store.createBlankImage(14, 20, 20);
    EXPECT_EQ(makeSwatchButton(platform, store, 39, 15, 25, 0, 20, 20, 0, WS_EX_CLIENTEDGE),
              swatchCreated);
}

TEST_F(SwatchButtonTest, PaintSwatchFillsOnlyTheTopLeft20Square) {
    makeSwatchButton(platform, store, 38, 12, 0, 0, 30, 30, 0x000000, WS_EX_CLIENTEDGE);
    paintSwatch(platform, store, 38, 12, 0x00FFFF);
    EXPECT_EQ(store.image(12)->pixelAt(19, 19), 0x00FFFFu);
    EXPECT_EQ(store.image(12)->pixelAt(20, 20), 0x000000u);
    EXPECT_EQ(platform.widgetOf(38)->size(), QSize(34, 34));
    EXPECT_EQ(shown(38, 2 + 10, 2 + 10), 0x00FFFFu);
}

TEST_F(SwatchButtonTest, RepaintPaletteSwatchesShowsEveryEntry) {
    for (int n = 0; n < 8; ++n) {
        makeSwatchButton(platform, store, 13 + n, 3 + n, 25 * (n % 4), 25 * (n / 4), 20, 20,
                         0x000000, WS_EX_CLIENTEDGE);
    }
    LogicalPalette palette;
    for (int n = 0; n < 8; ++n) {
        palette[n] = physicalColourValue(7 - n);
    }
    repaintPaletteSwatches(platform, store, palette);
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(shown(13 + n, 12, 12), palette[n]) << n;
        EXPECT_EQ(platform.widgetOf(13 + n)->size(), QSize(24, 24));
    }
}

TEST_F(SwatchButtonTest, RedrawControlIsFalseWithoutAControl) {
    makeSwatchButton(platform, store, 38, 12, 0, 0, 20, 20, 0, WS_EX_CLIENTEDGE);
    EXPECT_TRUE(redrawControl(platform, 38));
    EXPECT_FALSE(redrawControl(platform, 44));
    paintSwatch(platform, store, 44, 12, 0xFFFFFF);
    EXPECT_EQ(store.image(12)->pixelAt(0, 0), 0xFFFFFFu);
}

} // namespace
