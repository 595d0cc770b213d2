// The program right after start-up and the main window's layout.
#include "conversion/ModeAndPalette.h"
#include "conversion/PhysicalColour.h"
#include "tests/ui/ProgramFixture.h"
#include "ui/Identifiers.h"
#include "ui/MainWindow.h"
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

namespace {

using StartUpTest = ProgramFixture;

TEST_F(StartUpTest, StartsInMode2WithItsPaletteAndNoPicture) {
    const ConverterState& state = program.state();
    EXPECT_EQ(state.modeNumber, 2);
    EXPECT_EQ(state.width, 160);
    EXPECT_EQ(state.height, 256);
    EXPECT_EQ(state.bitsPerPixel, 4);
    EXPECT_EQ(state.palette, defaultPaletteFor(2));
    EXPECT_TRUE(state.currentPath.empty());
    EXPECT_FALSE(state.quitRequested);
    EXPECT_EQ(state.lastEventKind, EventKind::NoEvent);
    EXPECT_FALSE(program.images().imageExists(0));
    EXPECT_TRUE(program.images().imageExists(textureSlot));
    EXPECT_TRUE(program.images().imageExists(aboutBannerSlot));
}

TEST_F(StartUpTest, OnlyMode2IsSelected) {
    for (ControlId id = mode0OptionId; id <= mode5OptionId; ++id) {
        auto* option = dynamic_cast<QRadioButton*>(platform.widgetOf(id));
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->isChecked(), id == mode2OptionId) << id;
    }
}

TEST_F(StartUpTest, SwatchesShowThePhysicalColoursInOrder) {
    for (int n = 0; n < 8; ++n) {
        const QImage face = grab(firstPaletteSwatchId + n);
        ASSERT_EQ(face.size(), QSize(24, 24));
        EXPECT_EQ(colourAt(face, 2, 2), physicalColourValue(n)) << n;
        EXPECT_EQ(colourAt(face, 21, 21), physicalColourValue(n)) << n;
    }
}

TEST_F(StartUpTest, ImageDisplayShowsNothingBeforeAnyDump) {
    QWidget* display = platform.widgetOf(imageDisplayId);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->geometry(), QRect(125, 0, 197, 296));
    // Nothing of its own: the tiled texture of the window shows through.
    const QImage client = platform.windowOf(mainWindowId)->clientArea()->grab().toImage();
    const RasterImage& tile = *program.images().image(textureSlot);
    EXPECT_EQ(colourAt(client, 130, 10), tile.pixelAt(130 % tile.width, 10 % tile.height));
}

TEST_F(StartUpTest, WindowHasTheTitleAFixedClientAreaAndNoMaximiseBox) {
    QtProgramWindow* window = platform.windowOf(mainWindowId);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tessaview 0.7");
    EXPECT_EQ(window->size(), QSize(765, 532));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(StartUpTest, MenuBarTakesItsHeightFromTheClientArea) {
    QtProgramWindow* window = platform.windowOf(mainWindowId);
    const int menuHeight = window->menuBar()->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(window->menuBar()->geometry(), QRect(0, 0, 765, menuHeight));
    EXPECT_EQ(window->clientArea()->geometry(), QRect(0, menuHeight, 765, 532 - menuHeight));
}

TEST_F(StartUpTest, MenusHoldTheirItemsInOrder) {
    QMenuBar* bar = platform.windowOf(mainWindowId)->menuBar();
    std::vector<std::vector<QString>> found;
    QStringList titles;
    for (QAction* menu : bar->actions()) {
        titles << menu->text();
        std::vector<QString> items;
        for (QAction* item : menu->menu()->actions()) {
            items.push_back(item->isSeparator() ? QString("-") : item->text());
            EXPECT_TRUE(item->isEnabled());
            EXPECT_FALSE(item->isCheckable());
            EXPECT_TRUE(item->shortcut().isEmpty());
        }
        found.push_back(items);
    }
    EXPECT_EQ(titles, QStringList({"File", "Tools", "Help"}));
    const std::vector<std::vector<QString>> expected = {
        {"Open file...", "Save as...", "-", "Exit"}, {"Options..."}, {"Manual", "-", "About"}};
    EXPECT_EQ(found, expected);
}

struct Placed {
    ControlId id;
    QRect geometry;
};

TEST_F(StartUpTest, ControlsArePlacedPixelForPixel) {
    QWidget* panel = platform.widgetOf(sidePanelId);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 125, 515));
    const Placed inPanel[] = {
        {paletteGroupId, {5, 105, 110, 100}},
        {13, {10, 120, 24, 24}},
        {14, {35, 120, 24, 24}},
        {15, {60, 120, 24, 24}},
        {16, {85, 120, 24, 24}},
        {17, {10, 145, 24, 24}},
        {18, {35, 145, 24, 24}},
        {19, {60, 145, 24, 24}},
        {20, {85, 145, 24, 24}},
        {defaultPaletteButtonId, {10, 175, 100, 25}},
        {modeGroupId, {5, 5, 110, 95}},
        {mode0OptionId, {10, 20, 80, 15}},
        {mode1OptionId, {10, 35, 80, 15}},
        {mode2OptionId, {10, 50, 80, 15}},
        {mode4OptionId, {10, 65, 80, 15}},
        {mode5OptionId, {10, 80, 80, 15}},
    };
    for (const Placed& placed : inPanel) {
        QWidget* control = platform.widgetOf(placed.id);
        ASSERT_NE(control, nullptr) << placed.id;
        EXPECT_EQ(control->geometry(), placed.geometry) << placed.id;
        // Positions are in the panel's client area, inside its raised border.
        EXPECT_EQ(control->mapTo(panel, QPoint(0, 0)), placed.geometry.topLeft() + QPoint(3, 3))
            << placed.id;
    }
}

TEST_F(StartUpTest, SidePanelHasARaisedBorder) {
    const QImage panel = grab(sidePanelId);
    const QColor outerTop = panel.pixelColor(50, 1);
    const QColor outerBottom = panel.pixelColor(50, panel.height() - 2);
    EXPECT_GT(outerTop.lightness(), outerBottom.lightness());
}

TEST_F(StartUpTest, WindowIsCentredOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const ScreenPoint expected =
        centredPosition(platform.outerSizeFor(mainWindowClientSize, WindowFrame::Titled),
                        {screen.width(), screen.height()});
    const QPoint at = platform.windowOf(mainWindowId)->pos();
    EXPECT_EQ(at, QPoint(expected.x, expected.y));
}

struct CentringCase {
    PixelSize outer;
    PixelSize screen;
    ScreenPoint expected;
};

TEST(WindowPlacementTest, CentresAndStartsAtZeroWhenLargerThanTheScreen) {
    const CentringCase cases[] = {
        {{771, 561}, {1024, 768}, {512 - 385, 384 - 280}},
        {{765, 532}, {1024, 768}, {130, 118}},
        {{771, 561}, {640, 480}, {0, 0}},
        {{771, 400}, {640, 480}, {0, 40}},
    };
    for (const CentringCase& c : cases) {
        const ScreenPoint at = centredPosition(c.outer, c.screen);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
    }
}

} // namespace
