// Waits nested inside a command, as the colour picker and the About window
// run them, and the control numbers a closed window gives back.
#include "conversion/PhysicalColour.h"
#include "platform/win32/Win32Platform.h"
#include "resources/EmbeddedPictures.h"
#include "ui/Identifiers.h"
#include "ui/MainWindow.h"
#include "ui/SwatchButton.h"

#include <gtest/gtest.h>

namespace {

constexpr WindowId pickerWindowId = 3;
constexpr ControlId firstPickerSwatch = 38;
constexpr ImageSlot firstPickerSlot = 12;

// The main window on the platform, without the program's event loop.
class Win32WaitTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.initialise(faces);
        faces.loadEmbeddedPng(textureSlot, textureTilePng());
        ASSERT_TRUE(openMainWindow(platform, faces));
    }
    void TearDown() override { platform.closeAllWindows(); }

    HWND window(WindowId id) const { return platform.windowHandle(id); }
    HWND control(ControlId id) const { return platform.controlHandle(id); }
    void click(ControlId id) {
        PostMessageA(control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageA(control(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    void chooseMenu(MenuItemId item) {
        PostMessageA(window(mainWindowId), WM_COMMAND, MAKEWPARAM(item, 0), 0);
    }

    // The picker's window with its eight swatches, as the program makes it.
    void openPicker() {
        const ScreenPoint at = platform.cursorPosition();
        ASSERT_TRUE(platform.openWindow(
            {pickerWindowId, "", {200, 24}, WindowFrame::DialogFrame, at, mainWindowId}));
        ASSERT_TRUE(platform.openControlList(pickerWindowId));
        for (int n = 0; n < 8; ++n) {
            EXPECT_EQ(makeSwatchButton(platform, faces, firstPickerSwatch + n, firstPickerSlot + n,
                                       25 * n, 0, 20, 20, physicalColourValue(n), WS_EX_CLIENTEDGE),
                      swatchCreated);
        }
        platform.showWindow(pickerWindowId);
    }

    // The wait of the picker: until the identifier is one of its swatches.
    ControlId waitForPick() {
        for (int pass = 0; pass < 1000; ++pass) {
            MSG waiting;
            if (!PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
                return 0;
            }
            platform.waitForEvent();
            const std::int32_t id = platform.eventIdentifier();
            if (id >= firstPickerSwatch && id < firstPickerSwatch + 8) {
                return id;
            }
        }
        return 0;
    }

    Win32Platform platform;
    ImageStore faces;
};

TEST_F(Win32WaitTest, NestedWaitConsumesTheMainWindowsEventsUntilItsOwnClick) {
    openPicker();
    click(mode0OptionId);
    chooseMenu(exitItem);
    PostMessageA(window(mainWindowId), WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForPick(), 0);
    EXPECT_EQ(platform.eventIdentifier(), mode0OptionId);
    PostMessageA(control(firstPickerSwatch + 4), WM_RBUTTONDOWN, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(waitForPick(), firstPickerSwatch + 4);
    EXPECT_EQ(platform.eventWindowId(), pickerWindowId);
    platform.closeWindow(pickerWindowId);
    EXPECT_EQ(GetActiveWindow(), window(mainWindowId));
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    EXPECT_FALSE(PeekMessageA(&left, nullptr, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
}

TEST_F(Win32WaitTest, ClosingAWindowFreesItsControlNumbers) {
    openPicker();
    for (int n = 0; n < 8; ++n) {
        EXPECT_TRUE(platform.controlExists(firstPickerSwatch + n));
    }
    HWND firstSwatch = control(firstPickerSwatch);
    platform.closeWindow(pickerWindowId);
    EXPECT_FALSE(platform.windowExists(pickerWindowId));
    EXPECT_FALSE(IsWindow(firstSwatch));
    for (int n = 0; n < 8; ++n) {
        EXPECT_FALSE(platform.controlExists(firstPickerSwatch + n));
        EXPECT_TRUE(faces.imageExists(firstPickerSlot + n));
    }
    EXPECT_TRUE(platform.controlExists(firstPaletteSwatchId));
    openPicker();
    EXPECT_TRUE(platform.controlExists(firstPickerSwatch));
}

TEST_F(Win32WaitTest, PickerOuterCornerIsAtTheCursorAroundA200By24ClientArea) {
    SetCursorPos(300, 200);
    openPicker();
    HWND picker = window(pickerWindowId);
    RECT outer{};
    RECT client{};
    GetWindowRect(picker, &outer);
    GetClientRect(picker, &client);
    EXPECT_EQ(outer.left, 300);
    EXPECT_EQ(outer.top, 200);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 24);
    EXPECT_EQ(GetWindow(picker, GW_OWNER), window(mainWindowId));
    const DWORD style = DWORD(GetWindowLongA(picker, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_DLGFRAME | WS_SYSMENU), DWORD(WS_POPUP | WS_DLGFRAME));
    RECT last{};
    GetWindowRect(control(firstPickerSwatch + 7), &last);
    MapWindowPoints(HWND_DESKTOP, picker, reinterpret_cast<POINT*>(&last), 2);
    EXPECT_EQ(last.left, 175);
    EXPECT_EQ(last.right, 199);
}

TEST_F(Win32WaitTest, ControlMadeWithANumberInUseReplacesTheOldOne) {
    openPicker();
    HWND former = control(firstPickerSwatch);
    ASSERT_TRUE(platform.openControlList(pickerWindowId));
    ASSERT_TRUE(platform.makePushButton(firstPickerSwatch, 0, 0, 50, 20, "Again"));
    EXPECT_FALSE(IsWindow(former));
    EXPECT_NE(control(firstPickerSwatch), former);
}

TEST_F(Win32WaitTest, ImageControlTakesTheImageSizePlusItsEdge) {
    openPicker();
    ASSERT_TRUE(platform.openControlList(pickerWindowId));
    ASSERT_TRUE(platform.makeImageControl(50, 7, 3, 1, 1, 0));
    ASSERT_TRUE(faces.createBlankImage(30, 64, 40));
    ASSERT_TRUE(platform.setControlImage(50, faces.displayHandle(30)));
    RECT plain{};
    GetWindowRect(control(50), &plain);
    EXPECT_EQ(plain.right - plain.left, 64);
    EXPECT_EQ(plain.bottom - plain.top, 40);
    ASSERT_TRUE(faces.scaleImage(firstPickerSlot, 30, 10, ScaleMode::Smooth));
    ASSERT_TRUE(platform.setControlImage(firstPickerSwatch, faces.displayHandle(firstPickerSlot)));
    RECT edged{};
    GetWindowRect(control(firstPickerSwatch), &edged);
    MapWindowPoints(HWND_DESKTOP, window(pickerWindowId), reinterpret_cast<POINT*>(&edged), 2);
    EXPECT_EQ(edged.left, 0);
    EXPECT_EQ(edged.right - edged.left, 34);
    EXPECT_EQ(edged.bottom - edged.top, 14);
    EXPECT_EQ(*platform.controlClientSize(firstPickerSwatch), (PixelSize{30, 10}));
}

// The pixels the control shows on the screen, read back after a repaint.
COLORREF shownColour(HWND control) {
    UpdateWindow(control);
    HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, 5, 5);
    ReleaseDC(control, dc);
    return colour;
}

TEST_F(Win32WaitTest, SwatchShowsItsFacesChangedPixelsWhenRedrawn) {
    openPicker();
    HWND swatch = control(firstPickerSwatch + 1);
    EXPECT_EQ(shownColour(swatch), COLORREF(physicalColourValue(1)));
    paintSwatch(platform, faces, firstPickerSwatch + 1, firstPickerSlot + 1,
                physicalColourValue(6));
    EXPECT_EQ(shownColour(swatch), COLORREF(physicalColourValue(6)));
    EXPECT_TRUE(redrawControl(platform, firstPickerSwatch + 1));
    EXPECT_FALSE(redrawControl(platform, 99));
}

} // namespace
