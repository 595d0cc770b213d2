// Menu commands, control events and close requests as the window procedure
// turns them into events, and the program's dialogs on the Windows API.
#include "conversion/ModeAndPalette.h"
#include "tests/windows/Win32ProgramFixture.h"
#include "ui/Identifiers.h"

#include <algorithm>
#include <filesystem>

namespace {

using Win32DispatchTest = Win32ProgramFixture;

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(Win32DispatchTest, OptionClickInThePanelArrivesAsAControlEventOfTheMainWindow) {
    click(mode0OptionId);
    ASSERT_TRUE(passUntil(EventKind::ControlEvent));
    EXPECT_EQ(program.state().lastControl, mode0OptionId);
    EXPECT_EQ(program.state().lastWindow, mainWindowId);
    EXPECT_EQ(program.state().modeNumber, 0);
    EXPECT_EQ(program.state().width, 640);
    EXPECT_EQ(SendMessageA(control(mode0OptionId), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(control(mode2OptionId), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Win32DispatchTest, MenuCommandCarriesTheItemAndTheMainWindow) {
    // A number that no item has: its command is nothing, so the pass returns.
    constexpr MenuItemId noItem = 7;
    chooseMenu(noItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    EXPECT_EQ(program.state().lastMenuItem, noItem);
    EXPECT_EQ(program.state().lastWindow, mainWindowId);
    EXPECT_EQ(platform.eventIdentifier(), noItem);
}

TEST_F(Win32DispatchTest, CloseRequestIsAnsweredWithZeroAndLeavesTheWindowOpen) {
    HWND main = window(mainWindowId);
    EXPECT_EQ(SendMessageA(main, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(platform.waitForEvent(), EventKind::CloseRequest);
    EXPECT_EQ(platform.eventWindowId(), mainWindowId);
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(Win32DispatchTest, EventsWithoutIdentifierKeepTheLastOne) {
    chooseMenu(optionsItem + 100);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    PostMessageA(window(mainWindowId), WM_CLOSE, 0, 0);
    PostMessageA(window(mainWindowId), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(platform.waitForEvent(), EventKind::CloseRequest);
    EXPECT_EQ(platform.waitForEvent(), EventKind::Other);
    EXPECT_EQ(platform.eventIdentifier(), optionsItem + 100);
    EXPECT_EQ(platform.eventWindowId(), mainWindowId);
}

TEST_F(Win32DispatchTest, ImageControlsReportEveryKindOfClick) {
    for (UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK}) {
        PostMessageA(control(firstPaletteSwatchId + 2), press, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(platform.waitForEvent(), EventKind::Other) << press;
        EXPECT_EQ(platform.waitForEvent(), EventKind::ControlEvent) << press;
        EXPECT_EQ(platform.eventIdentifier(), firstPaletteSwatchId + 2) << press;
        EXPECT_EQ(platform.eventWindowId(), mainWindowId) << press;
    }
}

class Win32NotImplementedTest : public Win32ProgramFixture,
                                public ::testing::WithParamInterface<MenuItemId> {};

TEST_P(Win32NotImplementedTest, ShowsTheTaskModalInformationBox) {
    answerMessageBox();
    chooseMenu(GetParam());
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Information");
    EXPECT_TRUE(
        contains(dialogs[0].texts, "Sorry, but this feature has not been implemented yet!"));
    EXPECT_EQ(dialogs[0].owner, window(mainWindowId));
    EXPECT_FALSE(dialogs[0].mainWindowEnabled);
    EXPECT_TRUE(IsWindowEnabled(window(mainWindowId)));
    EXPECT_EQ(program.state().modeNumber, 2);
}

INSTANTIATE_TEST_SUITE_P(OptionsAndManual, Win32NotImplementedTest,
                         ::testing::Values(optionsItem, manualItem));

TEST_F(Win32DispatchTest, OpenDecodesTheTypedPathAndTheDisplayTakesThePreviewSize) {
    const std::string dump = writeDump("screen.dump", 20480);
    answerFileDialogWith(dump);
    chooseMenu(openFileItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Open file");
    EXPECT_FALSE(dialogs[0].mainWindowEnabled);
    EXPECT_EQ(program.state().currentPath, dump);
    ASSERT_TRUE(program.images().imageExists(0));
    EXPECT_EQ(program.images().image(0)->width, 160);
    EXPECT_EQ(program.images().image(0)->height, 256);
    const RECT place = placeOf(imageDisplayId);
    EXPECT_EQ(place.left, 125);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right - place.left, 640);
    EXPECT_EQ(place.bottom - place.top, 512);
}

TEST_F(Win32DispatchTest, CancelledOpenKeepsTheCurrentFile) {
    answerFileDialogWith("");
    chooseMenu(openFileItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(program.state().currentPath.empty());
    EXPECT_FALSE(program.images().imageExists(0));
}

TEST_F(Win32DispatchTest, OpeningAMissingFileShowsTheErrorBox) {
    answerFileDialogWith(folder.file("missing.dump"));
    answerMessageBox();
    chooseMenu(openFileItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].title, "Error");
    EXPECT_TRUE(contains(dialogs[1].texts, "file not found!"));
    EXPECT_TRUE(program.state().currentPath.empty());
}

TEST_F(Win32DispatchTest, SaveWritesTheBmpUnderTheNameWithItsExtension) {
    const std::string dump = writeDump("screen.dump", 20480);
    answerFileDialogWith(dump);
    chooseMenu(openFileItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    answerFileDialogWith(folder.file("picture"));
    chooseMenu(saveAsItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].title, "Save as");
    const std::filesystem::path written = folder.file("picture.bmp");
    ASSERT_TRUE(std::filesystem::exists(written));
    EXPECT_EQ(std::filesystem::file_size(written), 54u + 256u * 480u);
}

TEST_F(Win32DispatchTest, TabAndShiftTabMoveTheFocusAndWrap) {
    HWND main = window(mainWindowId);
    ASSERT_EQ(GetActiveWindow(), main);
    SetFocus(control(mode5OptionId));
    PostMessageA(control(mode5OptionId), WM_KEYDOWN, VK_TAB, 0);
    platform.waitForEvent();
    EXPECT_EQ(GetFocus(), control(defaultPaletteButtonId));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(control(defaultPaletteButtonId), WM_KEYDOWN, VK_TAB, 0);
    platform.waitForEvent();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), control(mode5OptionId));
}

} // namespace

namespace {

// A pixel as the window shows it now, in its client coordinates.
ColourValue shownPixel(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return ColourValue(colour);
}

TEST_F(Win32DispatchTest, TextureTilesTheBackgroundAndStaysAfterAConversion) {
    ASSERT_TRUE(program.images().imageExists(textureSlot));
    const RasterImage tile = *program.images().image(textureSlot);
    HWND main = window(mainWindowId);
    const int points[][2] = {{400, 400}, {700, 450}, {130, 310}};
    for (const auto& point : points) {
        EXPECT_EQ(shownPixel(main, point[0], point[1]),
                  tile.pixelAt(point[0] % tile.width, point[1] % tile.height))
            << point[0] << "," << point[1];
    }
    // A dump of 100 lines: the preview is 640 x 208 and the texture shows below.
    answerFileDialogWith(writeDump("short.dump", 80 * 100));
    chooseMenu(openFileItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    const RECT place = placeOf(imageDisplayId);
    ASSERT_EQ(place.bottom - place.top, 208);
    EXPECT_EQ(shownPixel(main, 700, 450), tile.pixelAt(700 % tile.width, 450 % tile.height));
}

TEST_F(Win32DispatchTest, DisplayShowsThePreviewsPixels) {
    answerFileDialogWith(writeDump("screen.dump", 20480));
    chooseMenu(openFileItem);
    ASSERT_TRUE(passUntil(EventKind::MenuCommand));
    const RasterImage* preview = program.images().image(1);
    ASSERT_NE(preview, nullptr);
    ASSERT_EQ(preview->width, 640);
    for (int x : {0, 17, 333, 639}) {
        for (int y : {0, 101, 511}) {
            EXPECT_EQ(shownPixel(control(imageDisplayId), x, y), preview->pixelAt(x, y))
                << x << "," << y;
        }
    }
}

} // namespace
