// The colour picker that a palette swatch opens, on the real Qt widgets.
#include "ui/ColourPicker.h"

#include "conversion/ModeAndPalette.h"
#include "conversion/PhysicalColour.h"
#include "tests/ui/ProgramFixture.h"
#include "ui/Identifiers.h"

#include <QPointer>
#include <QTest>

namespace {

constexpr ColourValue blue = 0xFF0000;

class ColourPickerTest : public ProgramFixture {
protected:
    void openDump() {
        dump = writeDump("screen.dump", 20480);
        answerFileDialogWith(dump);
        chooseMenu(openFileItem);
        pass();
        ASSERT_EQ(program.state().currentPath, dump);
    }

    // The picture the core makes of the dump with the palette.
    RasterImage expectedPicture(const LogicalPalette& palette) {
        ConverterState state;
        applyScreenMode(state, program.state().modeNumber);
        setPalette(state, palette);
        ImageStore store;
        HeadlessDecoderSeam seam;
        ScreenDumpDecoder(state, store, seam)
            .convertScreenDump(dump, state.width, state.height, state.bitsPerPixel);
        return *store.image(pictureSlot);
    }

    std::string dump;
};

bool samePixels(const RasterImage& a, const RasterImage& b) {
    return a.width == b.width && a.height == b.height &&
           std::equal(a.pixels.begin(), a.pixels.end(), b.pixels.begin());
}

TEST_F(ColourPickerTest, PickStoresRepaintsAndDecodesAgain) {
    openDump();
    click(firstPaletteSwatchId + 2);
    whenWindowOpens(colourPickerWindowId, [this] { click(firstPickerSwatchId + 4); });
    pass();
    LogicalPalette expected = defaultPaletteFor(2);
    expected[2] = blue;
    EXPECT_EQ(program.state().palette, expected);
    EXPECT_EQ(colourAt(grab(firstPaletteSwatchId + 2), 10, 10), blue);
    EXPECT_TRUE(samePixels(*program.images().image(pictureSlot), expectedPicture(expected)));
    EXPECT_FALSE(platform.windowExists(colourPickerWindowId));
    for (ControlId id = firstPickerSwatchId; id <= lastPickerSwatchId; ++id) {
        EXPECT_FALSE(platform.controlExists(id)) << "control " << id << " is free again";
    }
}

TEST_F(ColourPickerTest, OpensAtTheCursorWithTheEightPhysicalColours) {
    click(firstPaletteSwatchId);
    whenWindowOpens(colourPickerWindowId, [this] {
        QtProgramWindow* picker = platform.windowOf(colourPickerWindowId);
        const ScreenPoint cursor = platform.cursorPosition();
        EXPECT_EQ(picker->frameGeometry().topLeft(), QPoint(cursor.x, cursor.y));
        EXPECT_EQ(picker->clientArea()->size(), QSize(200, 24));
        EXPECT_FALSE(picker->windowFlags() & Qt::WindowTitleHint);
        for (int n = 0; n < 8; ++n) {
            QWidget* swatch = platform.widgetOf(firstPickerSwatchId + n);
            ASSERT_NE(swatch, nullptr);
            EXPECT_EQ(swatch->geometry(), QRect(25 * n, 0, 24, 24)) << n;
            EXPECT_EQ(colourAt(grab(firstPickerSwatchId + n), 12, 12), physicalColourValue(n)) << n;
            EXPECT_EQ(program.images().image(firstPickerFaceSlot + n)->pixelAt(0, 0),
                      physicalColourValue(n));
        }
        click(firstPickerSwatchId);
    });
    pass();
    EXPECT_EQ(program.state().palette[0], 0x000000u) << "black is picked like any colour";
}

TEST_F(ColourPickerTest, EveryOtherEventIsConsumedWhileItWaits) {
    openDump();
    click(firstPaletteSwatchId + 1);
    whenWindowOpens(colourPickerWindowId, [this] {
        chooseMenu(exitItem);
        chooseMenu(optionsItem);
        click(defaultPaletteButtonId);
        click(mode0OptionId);
        click(firstPaletteSwatchId + 5);
        platform.windowOf(mainWindowId)->close();
        platform.windowOf(colourPickerWindowId)->close();
        click(firstPickerSwatchId + 7);
    });
    pass();
    LogicalPalette expected = defaultPaletteFor(2);
    expected[1] = 0xFFFFFF;
    EXPECT_EQ(program.state().palette, expected) << "only the pick, for the swatch that opened it";
    EXPECT_EQ(program.state().modeNumber, 2);
    EXPECT_FALSE(program.state().quitRequested);
    EXPECT_TRUE(platform.windowExists(mainWindowId));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(platform.queuedEventCount(), 0u) << "nothing is carried out later";
}

struct ClickKind {
    const char* name;
    Qt::MouseButton button;
    bool twice;
};

TEST_F(ColourPickerTest, AnyKindOfClickPicks) {
    const ClickKind kinds[] = {{"right click", Qt::RightButton, false},
                               {"double click", Qt::LeftButton, true},
                               {"right double click", Qt::RightButton, true}};
    int n = 1;
    for (const ClickKind& kind : kinds) {
        click(firstPaletteSwatchId);
        whenWindowOpens(colourPickerWindowId, [this, kind, n] {
            QWidget* swatch = platform.widgetOf(firstPickerSwatchId + n);
            if (kind.twice) {
                QTest::mouseDClick(swatch, kind.button);
            } else {
                QTest::mouseClick(swatch, kind.button);
            }
        });
        pass();
        EXPECT_EQ(program.state().palette[0], physicalColourValue(n)) << kind.name;
        while (platform.queuedEventCount() > 0) {
            pass();
        }
        ++n;
    }
}

TEST_F(ColourPickerTest, EveryOpeningHasFreshControlsAndFaces) {
    QPointer<QWidget> firstSwatch;
    DisplayHandle firstFace;
    click(firstPaletteSwatchId);
    whenWindowOpens(colourPickerWindowId, [&] {
        firstSwatch = platform.widgetOf(firstPickerSwatchId);
        firstFace = program.images().displayHandle(firstPickerFaceSlot);
        click(firstPickerSwatchId + 3);
    });
    pass();
    click(firstPaletteSwatchId);
    whenWindowOpens(colourPickerWindowId, [&] {
        EXPECT_TRUE(firstSwatch.isNull()) << "the first opening's swatch was destroyed";
        EXPECT_NE(platform.widgetOf(firstPickerSwatchId), nullptr);
        EXPECT_NE(program.images().displayHandle(firstPickerFaceSlot), firstFace);
        click(firstPickerSwatchId + 3);
    });
    pass();
    EXPECT_EQ(program.state().palette[0], physicalColourValue(3));
}

TEST_F(ColourPickerTest, PickerThatCannotBeMadeChangesNothing) {
    openDump();
    platform.refused.insert(colourPickerWindowId);
    const DisplayHandle picture = program.images().displayHandle(pictureSlot);
    click(firstPaletteSwatchId + 3);
    pass();
    EXPECT_EQ(program.state().palette, defaultPaletteFor(2));
    EXPECT_EQ(colourAt(grab(firstPaletteSwatchId + 3), 10, 10), physicalColourValue(3));
    EXPECT_EQ(program.images().displayHandle(pictureSlot), picture) << "no decode";
    EXPECT_FALSE(platform.windowExists(colourPickerWindowId));
}

} // namespace
