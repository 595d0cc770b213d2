// The window message hook: offered every message first, its answers final.
#include "tests/windows/Win32ProgramFixture.h"
#include "ui/Identifiers.h"

namespace {

constexpr WindowId aboutWindowId2 = 2;
constexpr ControlId labelId = 29;

class Win32HookTest : public Win32ProgramFixture {
protected:
    void SetUp() override {
        Win32ProgramFixture::SetUp();
        ASSERT_TRUE(platform.openWindow(
            {aboutWindowId2, "", {415, 271}, WindowFrame::DialogFrame, {0, 0}, mainWindowId}));
        ASSERT_TRUE(platform.openControlList(aboutWindowId2));
        ASSERT_TRUE(platform.makeLabel(labelId, 70, 5, 340, 20, "Tessaview"));
        brush = platform.makeSolidBrush(0x0000FF);
    }
    void TearDown() override {
        platform.releaseBrush(brush);
        Win32ProgramFixture::TearDown();
    }

    LRESULT askColours(HWND dc) {
        return SendMessageA(window(aboutWindowId2), WM_CTLCOLORSTATIC, WPARAM(dc),
                            LPARAM(control(labelId)));
    }

    BrushHandle brush = 0;
    std::vector<WindowMessage> seen;
};

TEST_F(Win32HookTest, ColourRequestGetsTheHooksBrushAndDrawingState) {
    platform.installWindowHook([this](const WindowMessage& message) -> std::optional<BrushHandle> {
        if (message.kind != WindowMessageKind::ControlColour) {
            return std::nullopt;
        }
        seen.push_back(message);
        message.context->setTextColour(0x00FF00);
        message.context->setBackgroundMode(BackgroundMode::Transparent);
        return brush;
    });
    HDC dc = GetDC(control(labelId));
    EXPECT_EQ(askColours(HWND(dc)), LRESULT(brush));
    EXPECT_EQ(GetTextColor(dc), COLORREF(0x00FF00));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(control(labelId), dc);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].window, aboutWindowId2);
    EXPECT_EQ(seen[0].control, labelId);
}

TEST_F(Win32HookTest, NotHandledLeavesThePlatformsOwnAnswer) {
    HDC dc = GetDC(control(labelId));
    const LRESULT own = askColours(HWND(dc));
    platform.installWindowHook([](const WindowMessage&) { return std::nullopt; });
    EXPECT_EQ(askColours(HWND(dc)), own);
    EXPECT_NE(own, LRESULT(brush));
    ReleaseDC(control(labelId), dc);
}

TEST_F(Win32HookTest, AnAnswerEndsTheMessagesHandling) {
    platform.installWindowHook([](const WindowMessage&) { return BrushHandle(7); });
    PostMessageA(window(mainWindowId), WM_CLOSE, 0, 0);
    EXPECT_EQ(platform.waitForEvent(), EventKind::Other);
    EXPECT_EQ(SendMessageA(window(mainWindowId), WM_USER + 1, 0, 0), 7);
    platform.installWindowHook({});
}

TEST_F(Win32HookTest, PanelMessagesReachTheHookAsTheMainWindows) {
    platform.installWindowHook([this](const WindowMessage& message) -> std::optional<BrushHandle> {
        seen.push_back(message);
        return std::nullopt;
    });
    HDC dc = GetDC(control(sidePanelId));
    SendMessageA(control(sidePanelId), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(control(modeGroupId)));
    ReleaseDC(control(sidePanelId), dc);
    platform.installWindowHook({});
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().kind, WindowMessageKind::ControlColour);
    EXPECT_EQ(seen.back().window, mainWindowId);
    EXPECT_EQ(seen.back().control, modeGroupId);
}

TEST_F(Win32HookTest, FontsComeFromThePointSizeAtLogPixelsY) {
    ASSERT_TRUE(platform.makeFont(1, {"Arial", 12, true}));
    ASSERT_TRUE(platform.setControlFont(labelId, 1));
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(platform.fontHandle(1), sizeof font, &font), 0);
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(font.lfHeight, -MulDiv(12, dotsPerInch, 72));
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(HFONT(SendMessageA(control(labelId), WM_GETFONT, 0, 0)), platform.fontHandle(1));
    platform.releaseAllFonts();
    EXPECT_EQ(platform.fontHandle(1), nullptr);
}

} // namespace
