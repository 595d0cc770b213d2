// The control-colour table and the hook that answers controls' colour
// requests from it, on the real Qt platform.
#include "ui/ControlColourTable.h"

#include "platform/qt/QtPlatform.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// The real platform, keeping count of the brushes that are alive.
class BrushCountingPlatform : public QtPlatform {
public:
    BrushHandle makeSolidBrush(ColourValue colour) override {
        const BrushHandle brush = QtPlatform::makeSolidBrush(colour);
        alive.insert(brush);
        return brush;
    }
    void releaseBrush(BrushHandle brush) override {
        alive.erase(brush);
        QtPlatform::releaseBrush(brush);
    }
    std::set<BrushHandle> alive;
};

class RecordingContext : public ControlPaintContext {
public:
    void setTextColour(ColourValue colour) override { text = colour; }
    void setBackgroundMode(BackgroundMode newMode) override { mode = newMode; }
    void setBackgroundColour(ColourValue colour) override { background = colour; }

    std::optional<ColourValue> text;
    std::optional<BackgroundMode> mode;
    std::optional<ColourValue> background;
};

constexpr WindowId window = 2;
constexpr ControlId label = 30;
constexpr ControlId otherLabel = 31;

class ControlColourTableTest : public testing::Test {
protected:
    void SetUp() override {
        platform.initialise(store);
        ASSERT_TRUE(
            platform.openWindow({window, "", {415, 271}, WindowFrame::DialogFrame, {0, 0}, 0}));
        ASSERT_TRUE(platform.openControlList(window));
        ASSERT_TRUE(platform.makeLabel(label, 70, 25, 340, 15, "label"));
        ASSERT_TRUE(platform.makeLabel(otherLabel, 70, 180, 340, 15, "other"));
    }
    void TearDown() override { platform.closeAllWindows(); }

    std::optional<BrushHandle> ask(ControlId control, RecordingContext& context) {
        return controlColourHook(table)(
            WindowMessage{window, WindowMessageKind::ControlColour, control, &context});
    }

    ImageStore store;
    BrushCountingPlatform platform;
    ControlColourTable table{platform};
};

TEST_F(ControlColourTableTest, OpaqueBackgroundOfItsColour) {
    table.setControlColours(label, 0x00FF00, 0x0000FF);
    RecordingContext context;
    const std::optional<BrushHandle> answer = ask(label, context);
    ASSERT_TRUE(answer);
    EXPECT_EQ(*answer, table.entries().front().backBrush);
    EXPECT_EQ(context.text, 0x00FF00u);
    EXPECT_EQ(context.mode, BackgroundMode::Opaque);
    EXPECT_EQ(context.background, 0x0000FFu);
}

TEST_F(ControlColourTableTest, ZeroIsATransparentTextBackgroundOverButtonFace) {
    table.setControlColours(label, 0x000000, buttonFaceBackground);
    RecordingContext context;
    const std::optional<BrushHandle> answer = ask(label, context);
    ASSERT_TRUE(answer);
    EXPECT_EQ(*answer, table.entries().front().faceBrush);
    EXPECT_EQ(context.mode, BackgroundMode::Transparent);
    EXPECT_FALSE(context.background);
}

TEST_F(ControlColourTableTest, MinusOneIsTheHollowBrush) {
    table.setControlColours(label, 0x000000, transparentBackground);
    RecordingContext context;
    const std::optional<BrushHandle> answer = ask(label, context);
    ASSERT_TRUE(answer);
    EXPECT_EQ(*answer, platform.hollowBrush());
    EXPECT_EQ(context.text, 0x000000u);
    EXPECT_EQ(context.mode, BackgroundMode::Transparent);
}

TEST_F(ControlColourTableTest, OneEntryPerControlWithTheOldBrushesReleased) {
    table.setControlColours(label, 0x000000, 0x0000FF);
    table.setControlColours(otherLabel, 0x000000, transparentBackground);
    table.setControlColours(label, 0xFFFFFF, 0x00FF00);
    ASSERT_EQ(table.entries().size(), 2u);
    EXPECT_EQ(table.entries()[0].controlId, otherLabel);
    EXPECT_EQ(table.entries()[1].controlId, label);
    EXPECT_EQ(table.entries()[1].backColour, 0x00FF00);
    // Two face brushes and the new background brush; the hollow one is the platform's.
    EXPECT_EQ(platform.alive.size(), 3u);
    RecordingContext context;
    ask(label, context);
    EXPECT_EQ(context.text, 0xFFFFFFu);
    EXPECT_EQ(context.background, 0x00FF00u);
}

TEST_F(ControlColourTableTest, RequestsThatNoEntryAnswersAreLeftToThePlatform) {
    table.setControlColours(label, 0x000000, transparentBackground);
    RecordingContext context;
    EXPECT_FALSE(ask(otherLabel, context)) << "a control without an entry";
    EXPECT_FALSE(context.text);
    platform.closeWindow(window);
    EXPECT_FALSE(ask(label, context)) << "an entry whose control was destroyed";
    EXPECT_FALSE(
        controlColourHook(table)(WindowMessage{window, WindowMessageKind::Other, label, &context}))
        << "a message of another kind";
}

TEST_F(ControlColourTableTest, DestroyingTheTableReleasesItsBrushes) {
    {
        ControlColourTable shortLived(platform);
        shortLived.setControlColours(label, 0x000000, 0x0000FF);
        shortLived.setControlColours(otherLabel, 0x000000, buttonFaceBackground);
        EXPECT_EQ(platform.alive.size(), 4u);
    }
    EXPECT_TRUE(platform.alive.empty());
}

} // namespace
