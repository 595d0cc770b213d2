#pragma once

#include "platform/PlatformTypes.h"
#include "platform/win32/WindowsApi.h"

#include <string>

// Receives every message of the program's windows and panels. The window's
// CreateWindowExA parameter names the target.
class Win32MessageTarget {
public:
    virtual LRESULT windowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~Win32MessageTarget() = default;
};

// The class of the numbered top-level window, registered on first use: one
// class a number, so that replacing one window's class background leaves the
// others' alone. Its background starts as the button face. Empty text when it
// cannot be registered.
std::string programWindowClass(WindowId window);

// The class of the panels, registered once: arrow cursor, button-face
// background. A panel posts every WM_COMMAND to its top-level window and hands
// every other message to the procedure that all windows share.
const char* panelWindowClass();
