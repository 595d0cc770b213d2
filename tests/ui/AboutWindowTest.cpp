// The About window and the colours of its labels, on the real Qt widgets.
#include "ui/AboutWindow.h"

#include "tests/ui/ProgramFixture.h"
#include "ui/BuildTime.h"
#include "ui/Identifiers.h"
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <set>

namespace {

using AboutWindowTest = ProgramFixture;

constexpr ControlId firstLabelId = 29;

TEST_F(AboutWindowTest, CentredWhiteWithItsControls) {
    chooseMenu(aboutItem);
    whenWindowOpens(aboutWindowId, [this] {
        QtProgramWindow* about = platform.windowOf(aboutWindowId);
        EXPECT_EQ(about->clientArea()->size(), QSize(415, 271));
        const PixelSize outer =
            platform.outerSizeFor(aboutWindowClientSize, WindowFrame::DialogFrame);
        const ScreenPoint corner = centredPosition(outer, platform.screenSize());
        EXPECT_EQ(about->frameGeometry().topLeft(), QPoint(corner.x, corner.y));
        const QRect places[] = {{70, 5, 340, 20},  {70, 25, 340, 15},   {70, 180, 340, 15},
                                {70, 55, 340, 15}, {290, 240, 120, 25}, {70, 140, 340, 15},
                                {70, 90, 340, 30}, {70, 195, 335, 35},  {0, 0, 64, 400}};
        for (int i = 0; i < 9; ++i) {
            QWidget* control = platform.widgetOf(firstLabelId + i);
            ASSERT_NE(control, nullptr) << firstLabelId + i;
            EXPECT_EQ(control->geometry(), places[i]) << firstLabelId + i;
        }
        const QImage client = about->clientArea()->grab().toImage();
        // White behind the labels, where no letter is.
        EXPECT_EQ(colourAt(client, 405, 10), 0xFFFFFFu);
        EXPECT_EQ(colourAt(client, 400, 150), 0xFFFFFFu);
        // The banner's top 271 rows.
        const RasterImage& banner = *program.images().image(aboutBannerSlot);
        for (int y : {0, 20, 100, 200, 270}) {
            EXPECT_EQ(colourAt(client, 30, y), banner.pixelAt(30, y)) << "row " << y;
        }
        click(aboutOkayButtonId);
    });
    pass();
    EXPECT_FALSE(platform.windowExists(aboutWindowId));
    for (ControlId id = firstLabelId; id <= aboutBannerId; ++id) {
        EXPECT_FALSE(platform.controlExists(id)) << id;
    }
}

TEST_F(AboutWindowTest, LabelsAreBlackOnTheWindowsWhite) {
    chooseMenu(aboutItem);
    whenWindowOpens(aboutWindowId, [this] {
        const QImage name = platform.windowOf(aboutWindowId)
                                ->clientArea()
                                ->grab()
                                .toImage()
                                .copy(platform.widgetOf(firstLabelId)->geometry());
        std::set<ColourValue> colours;
        for (int y = 0; y < name.height(); ++y) {
            for (int x = 0; x < name.width(); ++x) {
                colours.insert(colourAt(name, x, y));
            }
        }
        EXPECT_TRUE(colours.count(0xFFFFFF)) << "the window's white shows through";
        EXPECT_TRUE(colours.count(0x000000)) << "black letters";
        for (ColourValue c : colours) {
            EXPECT_TRUE(redOf(c) == greenOf(c) && greenOf(c) == blueOf(c)) << std::hex << c;
        }
        click(aboutOkayButtonId);
    });
    pass();
}

TEST_F(AboutWindowTest, OnlyOkayEndsTheWait) {
    chooseMenu(aboutItem);
    whenWindowOpens(aboutWindowId, [this] {
        chooseMenu(exitItem);
        chooseMenu(manualItem);
        click(mode0OptionId);
        click(firstPaletteSwatchId);
        click(aboutBannerId);
        platform.windowOf(mainWindowId)->close();
        platform.windowOf(aboutWindowId)->close();
        EXPECT_TRUE(platform.windowExists(aboutWindowId));
        click(aboutOkayButtonId);
    });
    pass();
    EXPECT_EQ(program.state().lastControl, aboutOkayButtonId);
    EXPECT_TRUE(program.state().aboutDone);
    EXPECT_EQ(program.state().modeNumber, 2);
    EXPECT_FALSE(program.state().quitRequested);
    EXPECT_FALSE(platform.windowExists(colourPickerWindowId));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(platform.queuedEventCount(), 0u);
}

TEST_F(AboutWindowTest, SecondOpeningReplacesTheLabelsEntries) {
    for (int opening = 0; opening < 2; ++opening) {
        chooseMenu(aboutItem);
        whenWindowOpens(aboutWindowId, [this] { click(aboutOkayButtonId); });
        pass();
    }
    std::set<ControlId> ids;
    for (const ControlColourEntry& entry : program.controlColours().entries()) {
        ids.insert(entry.controlId);
        EXPECT_EQ(entry.textColour, 0x000000u);
        EXPECT_EQ(entry.backColour, transparentBackground);
    }
    EXPECT_EQ(program.controlColours().entries().size(), 7u);
    EXPECT_EQ(ids, (std::set<ControlId>{29, 30, 31, 32, 34, 35, 36}));
}

TEST_F(AboutWindowTest, TextsAndFonts) {
    chooseMenu(aboutItem);
    whenWindowOpens(aboutWindowId, [this] {
        const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        const struct {
            ControlId id;
            int points;
            bool bold;
        } fonts[] = {{29, 12, true}, {30, 8, false}, {31, 7, false}, {32, 8, false},
                     {34, 8, false}, {35, 8, false}, {36, 7, false}};
        for (const auto& f : fonts) {
            const QFont font = platform.widgetOf(f.id)->font();
            EXPECT_EQ(font.family(), "Arial") << f.id;
            EXPECT_EQ(font.pixelSize(), qRound(f.points * dpi / 72)) << f.id;
            EXPECT_EQ(font.bold(), f.bold) << f.id;
        }
        click(aboutOkayButtonId);
    });
    pass();
    EXPECT_EQ(versionLine(buildTime()).rfind("Version 0.7.7.2 BETA - Compiled on ", 0), 0u);
}

TEST_F(AboutWindowTest, WindowThatCannotBeMadeReturnsAtOnce) {
    platform.refused.insert(aboutWindowId);
    chooseMenu(aboutItem);
    pass();
    EXPECT_EQ(program.state().lastMenuItem, aboutItem);
    EXPECT_FALSE(platform.windowExists(aboutWindowId));
    click(mode0OptionId);
    pass();
    EXPECT_EQ(program.state().modeNumber, 0) << "the program goes on";
}

} // namespace
