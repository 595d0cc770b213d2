// Tab and Shift+Tab cycle through the controls that take focus.
#include "tests/ui/ProgramFixture.h"
#include "ui/Identifiers.h"

#include <QApplication>
#include <QTest>

namespace {

using KeyboardFocusTest = ProgramFixture;

const ControlId focusOrder[] = {defaultPaletteButtonId, mode0OptionId, mode1OptionId,
                                mode2OptionId,          mode4OptionId, mode5OptionId};

ControlId focusedControl(QtPlatform& platform) {
    for (ControlId id = imageDisplayId; id <= mode5OptionId; ++id) {
        if (platform.widgetOf(id) && platform.widgetOf(id)->hasFocus()) {
            return id;
        }
    }
    return 0;
}

TEST_F(KeyboardFocusTest, TabAndShiftTabWrapAroundInCreationOrder) {
    QtProgramWindow* window = platform.windowOf(mainWindowId);
    QApplication::setActiveWindow(window);
    platform.widgetOf(defaultPaletteButtonId)->setFocus();
    std::vector<ControlId> forward;
    for (int step = 0; step < 6; ++step) {
        forward.push_back(focusedControl(platform));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(forward, std::vector<ControlId>(std::begin(focusOrder), std::end(focusOrder)));
    EXPECT_EQ(focusedControl(platform), defaultPaletteButtonId);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedControl(platform), mode5OptionId);
}

TEST_F(KeyboardFocusTest, SwatchesGroupBoxesAndTheDisplayTakeNoFocus) {
    for (ControlId id : {imageDisplayId, paletteGroupId, modeGroupId, 13, 16, 20}) {
        EXPECT_EQ(platform.widgetOf(id)->focusPolicy(), Qt::NoFocus) << id;
    }
}

} // namespace
