// The main window and its controls as the Windows API reports them.
#include "tests/windows/Win32ProgramFixture.h"
#include "ui/Identifiers.h"
#include "ui/MainWindow.h"

namespace {

using Win32LayoutTest = Win32ProgramFixture;

constexpr DWORD titledStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

int widthOf(const RECT& r) {
    return r.right - r.left;
}
int heightOf(const RECT& r) {
    return r.bottom - r.top;
}

TEST_F(Win32LayoutTest, MainWindowHasItsTitleStyleAndIsCentred) {
    HWND main = window(mainWindowId);
    ASSERT_NE(main, nullptr);
    char title[64] = {};
    GetWindowTextA(main, title, sizeof title);
    EXPECT_STREQ(title, "Tessaview 0.7");
    const DWORD style = DWORD(GetWindowLongA(main, GWL_STYLE));
    EXPECT_EQ(style & titledStyle, titledStyle);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_TRUE(IsWindowVisible(main));

    RECT expected{0, 0, 765, 532};
    ASSERT_TRUE(AdjustWindowRect(&expected, titledStyle, FALSE));
    RECT outer{};
    ASSERT_TRUE(GetWindowRect(main, &outer));
    EXPECT_EQ(widthOf(outer), widthOf(expected));
    EXPECT_EQ(heightOf(outer), heightOf(expected));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(outer.left, screenWidth / 2 - std::min(widthOf(outer), screenWidth) / 2);
    EXPECT_EQ(outer.top, screenHeight / 2 - std::min(heightOf(outer), screenHeight) / 2);
}

TEST_F(Win32LayoutTest, MenuBarTakesItsHeightFromThe532PixelClientArea) {
    HWND main = window(mainWindowId);
    RECT client{};
    ASSERT_TRUE(GetClientRect(main, &client));
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetMenuBarInfo(main, OBJID_MENU, 0, &bar));
    EXPECT_EQ(widthOf(client), 765);
    EXPECT_GT(heightOf(bar.rcBar), 0);
    EXPECT_EQ(heightOf(client) + heightOf(bar.rcBar), 532);
}

TEST_F(Win32LayoutTest, MenuBarHoldsTheItemsInOrder) {
    HMENU bar = GetMenu(window(mainWindowId));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    const std::vector<std::vector<int>> items{{2, 3, 0, 4}, {6}, {8, 0, 9}};
    const char* const titles[] = {"File", "Tools", "Help"};
    for (int m = 0; m < 3; ++m) {
        char text[32] = {};
        GetMenuStringA(bar, UINT(m), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, titles[m]);
        HMENU menu = GetSubMenu(bar, m);
        ASSERT_EQ(GetMenuItemCount(menu), int(items[std::size_t(m)].size()));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            const int id = items[std::size_t(m)][std::size_t(i)];
            if (id == 0) {
                EXPECT_EQ(GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_SEPARATOR,
                          UINT(MF_SEPARATOR));
            } else {
                EXPECT_EQ(int(GetMenuItemID(menu, i)), id);
            }
        }
    }
}

TEST_F(Win32LayoutTest, SidePanelHoldsTheControlsInsideItsDialogFrame) {
    HWND panel = control(sidePanelId);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(GetParent(panel), window(mainWindowId));
    const RECT place = placeOf(sidePanelId);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(widthOf(place), 125);
    EXPECT_EQ(heightOf(place), 515);
    EXPECT_NE(GetWindowLongA(panel, GWL_STYLE) & WS_DLGFRAME, 0);
    RECT client{};
    GetClientRect(panel, &client);
    EXPECT_LT(widthOf(client), 125);
    for (ControlId id = paletteGroupId; id <= mode5OptionId; ++id) {
        EXPECT_EQ(GetParent(control(id)), panel) << id;
        EXPECT_EQ(GetDlgCtrlID(control(id)), id);
    }
}

TEST_F(Win32LayoutTest, SwatchesAre24SquareOnA25PixelPitchWithTheFaceAsClientArea) {
    for (int n = 0; n < 8; ++n) {
        const ControlId id = firstPaletteSwatchId + n;
        const RECT place = placeOf(id);
        EXPECT_EQ(place.left, 10 + 25 * (n % 4)) << n;
        EXPECT_EQ(place.top, 120 + 25 * (n / 4)) << n;
        EXPECT_EQ(widthOf(place), 24) << n;
        EXPECT_EQ(heightOf(place), 24) << n;
        RECT client{};
        GetClientRect(control(id), &client);
        EXPECT_EQ(widthOf(client), 20) << n;
        EXPECT_EQ(heightOf(client), 20) << n;
        EXPECT_NE(GetWindowLongA(control(id), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << n;
        EXPECT_NE(GetWindowLongA(control(id), GWL_STYLE) & SS_NOTIFY, 0) << n;
    }
}

TEST_F(Win32LayoutTest, ControlsHaveTheirPlacesTextsAndStyles) {
    struct Expected {
        ControlId id;
        int x, y, width, height;
        const char* text;
        DWORD style;
    };
    const Expected rows[] = {
        {paletteGroupId, 5, 105, 110, 100, "Palette options", WS_GROUP | BS_GROUPBOX},
        {defaultPaletteButtonId, 10, 175, 100, 25, "Default Palette",
         WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON},
        {modeGroupId, 5, 5, 110, 95, "Mode selection", WS_GROUP | BS_GROUPBOX},
        {mode0OptionId, 10, 20, 80, 15, "Mode 0", WS_GROUP | BS_AUTORADIOBUTTON},
        {mode1OptionId, 10, 35, 80, 15, "Mode 1", BS_AUTORADIOBUTTON},
        {mode5OptionId, 10, 80, 80, 15, "Mode 5", BS_AUTORADIOBUTTON},
    };
    for (const Expected& row : rows) {
        const RECT place = placeOf(row.id);
        EXPECT_EQ(place.left, row.x) << row.id;
        EXPECT_EQ(place.top, row.y) << row.id;
        EXPECT_EQ(widthOf(place), row.width) << row.id;
        EXPECT_EQ(heightOf(place), row.height) << row.id;
        char text[64] = {};
        GetWindowTextA(control(row.id), text, sizeof text);
        EXPECT_STREQ(text, row.text);
        const DWORD style = DWORD(GetWindowLongA(control(row.id), GWL_STYLE));
        // A radio button has WS_TABSTOP only while it is checked: Windows
        // moves it with the check mark.
        const bool option = (style & 0xF) == BS_AUTORADIOBUTTON;
        EXPECT_EQ(style & (WS_GROUP | (option ? 0 : WS_TABSTOP) | 0xF), row.style) << row.id;
        EXPECT_EQ(HFONT(SendMessageA(control(row.id), WM_GETFONT, 0, 0)),
                  HFONT(GetStockObject(DEFAULT_GUI_FONT)))
            << row.id;
    }
    EXPECT_EQ(GetWindowLongA(control(mode4OptionId), GWL_STYLE) & WS_GROUP, 0);
}

TEST_F(Win32LayoutTest, ImageDisplayStartsAt125By0With197By296) {
    const RECT place = placeOf(imageDisplayId);
    EXPECT_EQ(GetParent(control(imageDisplayId)), window(mainWindowId));
    EXPECT_EQ(place.left, 125);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(widthOf(place), 197);
    EXPECT_EQ(heightOf(place), 296);
    EXPECT_EQ(GetWindowLongA(control(imageDisplayId), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_F(Win32LayoutTest, Mode2IsSelectedAfterStartUp) {
    for (ControlId id = mode0OptionId; id <= mode5OptionId; ++id) {
        EXPECT_EQ(SendMessageA(control(id), BM_GETCHECK, 0, 0),
                  id == mode2OptionId ? BST_CHECKED : BST_UNCHECKED)
            << id;
    }
}

} // namespace
