// Every row of the menu and control dispatch tables, driven through the real
// widgets and dialogs.
#include "conversion/ModeAndPalette.h"
#include "conversion/PhysicalColour.h"
#include "tests/ui/ProgramFixture.h"
#include "ui/AboutWindow.h"
#include "ui/ColourPicker.h"
#include "ui/Identifiers.h"

#include <QTest>
#include <filesystem>

namespace {

using DispatchTest = ProgramFixture;

constexpr char notImplemented[] = "Sorry, but this feature has not been implemented yet!";

TEST_F(DispatchTest, OpenDecodesTheChosenDumpInTheCurrentMode) {
    const std::string dump = writeDump("screen.dump", 20480);
    answerFileDialogWith(dump);
    chooseMenu(openFileItem);
    pass();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Open file");
    EXPECT_TRUE(dialogs[0].filters.isEmpty() || dialogs[0].filters == QStringList{"All Files (*)"});
    EXPECT_EQ(program.state().currentPath, dump);
    ASSERT_TRUE(program.images().imageExists(0));
    EXPECT_EQ(program.images().image(0)->width, 160);
    EXPECT_EQ(program.images().image(0)->height, 256);
    EXPECT_EQ(platform.widgetOf(imageDisplayId)->size(), QSize(640, 512));
    EXPECT_TRUE(messages.empty());
}

TEST_F(DispatchTest, CancelledOpenKeepsTheCurrentFileAndPicture) {
    const std::string dump = writeDump("screen.dump", 20480);
    answerFileDialogWith(dump);
    chooseMenu(openFileItem);
    pass();
    const DisplayHandle picture = program.images().displayHandle(0);
    answerFileDialogWith("");
    chooseMenu(openFileItem);
    pass();
    EXPECT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(program.state().currentPath, dump);
    EXPECT_EQ(program.images().displayHandle(0), picture);
}

TEST_F(DispatchTest, OpeningAMissingFileShowsTheErrorMessage) {
    answerFileDialogWith(folder.file("missing.dump"));
    answerMessageBox();
    chooseMenu(openFileItem);
    pass();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].text, "file not found!");
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages[0].buttonCount, 1);
    EXPECT_TRUE(program.state().currentPath.empty());
    EXPECT_FALSE(program.images().imageExists(0));
}

class NotImplementedTest : public ProgramFixture,
                           public ::testing::WithParamInterface<MenuItemId> {};

TEST_P(NotImplementedTest, ShowsTheInformationMessageAndChangesNothing) {
    answerMessageBox();
    chooseMenu(GetParam());
    pass();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Information");
    EXPECT_EQ(messages[0].text, notImplemented);
    EXPECT_EQ(messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages[0].buttonCount, 1);
    EXPECT_EQ(program.state().modeNumber, 2);
    EXPECT_EQ(program.state().palette, defaultPaletteFor(2));
    EXPECT_EQ(program.state().lastMenuItem, GetParam());
}

INSTANTIATE_TEST_SUITE_P(OptionsAndManual, NotImplementedTest,
                         ::testing::Values(optionsItem, manualItem));

TEST_F(DispatchTest, AboutShowsTheAboutWindowUntilOkay) {
    chooseMenu(aboutItem);
    bool shown = false;
    whenWindowOpens(aboutWindowId, [this, &shown] {
        shown = true;
        click(aboutOkayButtonId);
    });
    pass();
    EXPECT_TRUE(shown);
    EXPECT_EQ(program.state().lastEventKind, EventKind::ControlEvent);
    EXPECT_EQ(program.state().lastMenuItem, aboutItem);
    EXPECT_EQ(program.state().palette, defaultPaletteFor(2));
    EXPECT_FALSE(platform.windowExists(aboutWindowId));
    EXPECT_TRUE(platform.windowExists(mainWindowId));
}

TEST_F(DispatchTest, ExitEndsTheProgramWithExitCode0) {
    EXPECT_EXIT(
        {
            chooseMenu(exitItem);
            pass();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(DispatchTest, ClickOnTheImageDisplayDoesNothing) {
    click(imageDisplayId);
    pass();
    EXPECT_EQ(program.state().lastEventKind, EventKind::ControlEvent);
    EXPECT_EQ(program.state().lastControl, imageDisplayId);
    EXPECT_EQ(program.state().modeNumber, 2);
    EXPECT_FALSE(program.images().imageExists(0));
}

TEST_F(DispatchTest, EveryPaletteSwatchOpensThePickerForItsEntry) {
    LogicalPalette expected = defaultPaletteFor(2);
    for (ControlId id = firstPaletteSwatchId; id <= lastPaletteSwatchId; ++id) {
        const int entry = id - firstPaletteSwatchId;
        const int picked = 7 - entry;
        QTest::mouseClick(platform.widgetOf(id), Qt::RightButton);
        whenWindowOpens(colourPickerWindowId,
                        [this, picked] { click(firstPickerSwatchId + picked); });
        pass();
        expected[std::size_t(entry)] = physicalColourValue(picked);
        EXPECT_EQ(program.state().palette, expected) << "swatch " << id;
    }
}

struct ModeRow {
    ControlId option;
    int mode;
    int width;
    int height;
    int bitsPerPixel;
};

class ModeOptionTest : public ProgramFixture, public ::testing::WithParamInterface<ModeRow> {};

TEST_P(ModeOptionTest, WithoutADumpChangesOnlyTheGeometry) {
    const ModeRow row = GetParam();
    click(row.option);
    pass();
    const ConverterState& state = program.state();
    EXPECT_EQ(state.modeNumber, row.mode);
    EXPECT_EQ(state.width, row.width);
    EXPECT_EQ(state.height, row.height);
    EXPECT_EQ(state.bitsPerPixel, row.bitsPerPixel);
    EXPECT_EQ(state.palette, defaultPaletteFor(2));
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(program.images().imageExists(0));
}

TEST_P(ModeOptionTest, WithADumpDecodesItAgainInTheNewMode) {
    const ModeRow row = GetParam();
    answerFileDialogWith(writeDump("screen.dump", 20480));
    chooseMenu(openFileItem);
    pass();
    const DisplayHandle before = program.images().displayHandle(0);
    click(row.option);
    pass();
    const RasterImage* picture = program.images().image(0);
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(picture->handle, before);
    EXPECT_EQ(picture->width, row.width);
    EXPECT_EQ(picture->height, std::min(row.height, 20480 * 8 / row.bitsPerPixel / row.width));
    EXPECT_EQ(program.state().palette, defaultPaletteFor(2));
    EXPECT_EQ(platform.widgetOf(imageDisplayId)->width(), 640);
}

INSTANTIATE_TEST_SUITE_P(AllModes, ModeOptionTest,
                         ::testing::Values(ModeRow{mode0OptionId, 0, 640, 256, 1},
                                           ModeRow{mode1OptionId, 1, 320, 256, 2},
                                           ModeRow{mode2OptionId, 2, 160, 256, 4},
                                           ModeRow{mode4OptionId, 4, 320, 256, 1},
                                           ModeRow{mode5OptionId, 5, 160, 256, 2}));

TEST_F(DispatchTest, ModeChangeKeepsThePaletteSoColour1StaysRed) {
    answerFileDialogWith(writeDump("screen.dump", 20480));
    chooseMenu(openFileItem);
    pass();
    click(mode0OptionId);
    pass();
    EXPECT_EQ(program.state().palette[1], physicalColourValue(1));
    bool sawRed = false;
    const RasterImage& picture = *program.images().image(0);
    for (int x = 0; x < picture.width; ++x) {
        sawRed = sawRed || picture.pixelAt(x, 0) == physicalColourValue(1);
    }
    EXPECT_TRUE(sawRed);
}

TEST_F(DispatchTest, DefaultPaletteAppliesTheCurrentModesDefaultAndRepaints) {
    answerFileDialogWith(writeDump("screen.dump", 20480));
    chooseMenu(openFileItem);
    pass();
    click(mode1OptionId);
    pass();
    click(defaultPaletteButtonId);
    pass();
    EXPECT_EQ(program.state().palette, defaultPaletteFor(1));
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(colourAt(grab(firstPaletteSwatchId + n), 12, 12), defaultPaletteFor(1)[n]) << n;
    }
    const RasterImage& picture = *program.images().image(0);
    for (int x = 0; x < picture.width; ++x) {
        const ColourValue c = picture.pixelAt(x, 3);
        EXPECT_TRUE(c == 0x000000 || c == 0x0000FF || c == 0x00FFFF || c == 0xFFFFFF) << x;
    }
}

TEST_F(DispatchTest, DeletedDumpShowsTheMessageOnEveryChangeAndKeepsThePath) {
    const std::string dump = writeDump("screen.dump", 20480);
    answerFileDialogWith(dump);
    chooseMenu(openFileItem);
    pass();
    std::filesystem::remove(dump);
    answerMessageBox();
    click(defaultPaletteButtonId);
    pass();
    answerMessageBox();
    click(mode0OptionId);
    pass();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "file not found!");
    EXPECT_EQ(program.state().currentPath, dump);
    EXPECT_EQ(program.state().modeNumber, 0);
}

} // namespace
