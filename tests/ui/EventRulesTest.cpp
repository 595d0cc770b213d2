// Events one at a time, consumed events during nested waits and modal
// dialogs, and the close-request rule.
#include "conversion/ModeAndPalette.h"
#include "tests/ui/ProgramFixture.h"
#include "ui/Identifiers.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

namespace {

using EventRulesTest = ProgramFixture;

TEST_F(EventRulesTest, EventsDeliveredTogetherAreTakenOneAtATime) {
    click(mode0OptionId);
    click(mode4OptionId);
    pass();
    EXPECT_EQ(program.state().modeNumber, 0);
    EXPECT_EQ(program.state().lastControl, mode0OptionId);
    pass();
    EXPECT_EQ(program.state().modeNumber, 4);
}

TEST_F(EventRulesTest, EventsTakenByANestedWaitAreNeverCarriedOut) {
    click(mode0OptionId);
    chooseMenu(exitItem);
    platform.windowOf(mainWindowId)->close();
    // A command's own wait, as the colour picker's, takes the three events.
    for (int taken = 0; taken < 3; ++taken) {
        platform.waitForEvent();
    }
    click(imageDisplayId);
    pass();
    EXPECT_EQ(program.state().lastControl, imageDisplayId);
    EXPECT_EQ(program.state().modeNumber, 2);
    EXPECT_FALSE(program.state().quitRequested);
    EXPECT_TRUE(platform.windowExists(mainWindowId));
}

TEST_F(EventRulesTest, EventsDuringAModalDialogAreConsumedThere) {
    whenModal([this](QWidget* box) {
        click(mode0OptionId);
        click(defaultPaletteButtonId);
        chooseMenu(exitItem);
        platform.windowOf(mainWindowId)->close();
        QTest::mouseClick(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok), Qt::LeftButton);
    });
    chooseMenu(manualItem);
    pass();
    click(imageDisplayId);
    pass();
    EXPECT_EQ(program.state().lastControl, imageDisplayId);
    EXPECT_EQ(program.state().modeNumber, 2);
    EXPECT_EQ(program.state().palette, defaultPaletteFor(2));
    EXPECT_FALSE(program.state().quitRequested);
    EXPECT_TRUE(platform.windowExists(mainWindowId));
}

TEST_F(EventRulesTest, EventsDuringTheOpenDialogAreConsumedThere) {
    const std::string dump = writeDump("screen.dump", 20480);
    whenModal([this, dump](QWidget* dialog) {
        click(mode5OptionId);
        platform.windowOf(mainWindowId)->close();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->setText(QString::fromStdString(dump));
        static_cast<QDialog*>(dialog)->accept();
    });
    chooseMenu(openFileItem);
    pass();
    click(imageDisplayId);
    pass();
    EXPECT_EQ(program.state().currentPath, dump);
    EXPECT_EQ(program.state().modeNumber, 2);
    EXPECT_FALSE(program.state().quitRequested);
}

TEST_F(EventRulesTest, CloseRequestLeavesTheWindowOpenUntilTheProgramClosesIt) {
    QtProgramWindow* window = platform.windowOf(mainWindowId);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EXIT(pass(), ::testing::ExitedWithCode(0), "");
}

TEST_F(EventRulesTest, CloseRequestOfAnotherWindowChangesNothing) {
    WindowDefinition other{colourPickerWindowId, "", {200, 24}, WindowFrame::DialogFrame, {}, 1};
    ASSERT_TRUE(platform.openWindow(other));
    platform.showWindow(colourPickerWindowId);
    platform.windowOf(colourPickerWindowId)->close();
    pass();
    EXPECT_EQ(program.state().lastEventKind, EventKind::CloseRequest);
    EXPECT_EQ(program.state().lastWindow, colourPickerWindowId);
    EXPECT_FALSE(program.state().quitRequested);
    EXPECT_TRUE(platform.windowExists(colourPickerWindowId));
    EXPECT_TRUE(platform.windowExists(mainWindowId));
}

TEST_F(EventRulesTest, IdentifierIsKeptAcrossEventsThatCarryNone) {
    click(mode1OptionId);
    pass();
    platform.windowOf(mainWindowId)->close();
    EXPECT_EQ(platform.waitForEvent(), EventKind::CloseRequest);
    EXPECT_EQ(platform.eventIdentifier(), mode1OptionId);
    EXPECT_EQ(platform.eventWindowId(), mainWindowId);
}

TEST_F(EventRulesTest, ControlsInTheSidePanelReportTheMainWindow) {
    click(defaultPaletteButtonId);
    pass();
    EXPECT_EQ(program.state().lastWindow, mainWindowId);
}

// A platform whose main window cannot be made.
class NoWindowPlatform : public QtPlatform {
public:
    bool openWindow(const WindowDefinition&) override { return false; }
};

TEST(StartUpFailureTest, MainWindowThatCannotBeMadeEndsWithExitCode0) {
    EXPECT_EXIT(
        {
            NoWindowPlatform platform;
            runProgram(platform);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
