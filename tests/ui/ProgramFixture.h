#pragma once

#include "platform/qt/QtPlatform.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/Program.h"

#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

// What a message box showed while a command ran.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
};

// What a file dialog asked.
struct ShownDialog {
    QString title;
    QStringList filters;
    bool confirmsOverwrite = false;
    QString defaultSuffix;
};

// The real Qt platform, which can be told to fail to make certain windows.
class RefusingQtPlatform : public QtPlatform {
public:
    bool openWindow(const WindowDefinition& definition) override {
        return refused.count(definition.id) == 0 && QtPlatform::openWindow(definition);
    }
    std::set<WindowId> refused;
};

// The program started on the real Qt widgets, with helpers that act as a user
// would: clicking controls, choosing menu items and answering dialogs.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // A real left click on the control's widget.
    void click(ControlId id);
    // Chooses the menu item from the main window's menu bar.
    void chooseMenu(MenuItemId item);
    // One pass of the event loop.
    void pass() { program.eventLoopPass(); }

    // Answers the next file dialog by typing the path and pressing Return;
    // an empty path cancels it.
    void answerFileDialogWith(const std::string& path);
    // Records the next message box and presses its OK button.
    void answerMessageBox();
    // Runs the action once the next modal dialog's own loop has started;
    // answers are given in the order they were asked for.
    void whenModal(std::function<void(QWidget* modal)> action);

    void serveAnswers();
    // Runs the action once the window is open and shown, from within the
    // wait of the command that opened it.
    void whenWindowOpens(WindowId window, std::function<void()> action);

    // A screen dump of the given length whose bytes follow a fixed pattern.
    std::string writeDump(const std::string& name, std::size_t length);
    // The widget of a control as it is painted now.
    QImage grab(ControlId id);

    RefusingQtPlatform platform;
    std::deque<std::function<void(QWidget*)>> answers;
    QPointer<QWidget> lastAnswered;
    Program program{platform};
    TemporaryFolder folder;
    std::vector<ShownMessage> messages;
    std::vector<ShownDialog> dialogs;
};

// Colour of a QImage pixel as a ColourValue.
ColourValue colourAt(const QImage& image, int x, int y);
