#pragma once

#include "platform/win32/Win32Platform.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/Program.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// What a modal dialog of the program showed.
struct ShownDialog {
    std::string title;
    std::vector<std::string> texts; // the texts of its static controls
    HWND owner = nullptr;
    bool mainWindowEnabled = true;
};

// The program started on the Windows API. Dialogs are answered from a thread
// timer that fires inside their own message loops.
class Win32ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Event loop passes until one of the kind has been dispatched; false when
    // the queue runs dry first, instead of blocking.
    bool passUntil(EventKind kind);
    // Posts a click on the control as a left button press and release would.
    void click(ControlId id);
    void chooseMenu(MenuItemId item);

    // Answers the next modal dialog: the action gets its window.
    void whenDialog(std::function<void(HWND dialog)> action);
    // Types the path into the file dialog and presses OK; empty cancels it.
    void answerFileDialogWith(const std::string& path);
    // Presses the message box's OK button.
    void answerMessageBox();

    HWND window(WindowId id) const { return platform.windowHandle(id); }
    HWND control(ControlId id) const { return platform.controlHandle(id); }
    // The control's outer rectangle in its parent's client coordinates.
    RECT placeOf(ControlId id) const;

    std::string writeDump(const std::string& name, std::size_t length);

    Win32Platform platform;
    Program program{platform};
    TemporaryFolder folder;
    std::vector<ShownDialog> dialogs;
};
