#include "tests/windows/Win32ProgramFixture.h"

#include "ui/Identifiers.h"

#include <deque>

namespace {

// The answers waiting for their dialogs; the timer procedure has no context.
std::deque<std::function<void(HWND)>> pendingAnswers;
UINT_PTR answerTimer = 0;

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK answerPendingDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, LPARAM(&dialog));
    if (dialog == nullptr || pendingAnswers.empty()) {
        return;
    }
    std::function<void(HWND)> action = std::move(pendingAnswers.front());
    pendingAnswers.pop_front();
    action(dialog);
    if (pendingAnswers.empty()) {
        KillTimer(nullptr, answerTimer);
        answerTimer = 0;
    }
}

BOOL CALLBACK collectStaticText(HWND child, LPARAM texts) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    if (std::string(className) == "Static" || std::string(className) == "STATIC") {
        reinterpret_cast<std::vector<std::string>*>(texts)->push_back(text);
    }
    return TRUE;
}

ShownDialog describe(HWND dialog, HWND mainWindow) {
    ShownDialog shown;
    char title[256] = {};
    GetWindowTextA(dialog, title, sizeof title);
    shown.title = title;
    EnumChildWindows(dialog, collectStaticText, LPARAM(&shown.texts));
    shown.owner = GetWindow(dialog, GW_OWNER);
    shown.mainWindowEnabled = IsWindowEnabled(mainWindow) != FALSE;
    return shown;
}

} // namespace

void Win32ProgramFixture::SetUp() {
    pendingAnswers.clear();
    ASSERT_TRUE(program.startUp());
}

void Win32ProgramFixture::TearDown() {
    if (answerTimer != 0) {
        KillTimer(nullptr, answerTimer);
        answerTimer = 0;
    }
    EXPECT_TRUE(pendingAnswers.empty()) << "a dialog that was to be answered never opened";
    pendingAnswers.clear();
    platform.closeAllWindows();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

bool Win32ProgramFixture::passUntil(EventKind kind) {
    for (int pass = 0; pass < 1000; ++pass) {
        MSG waiting;
        if (!PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
            return false;
        }
        program.eventLoopPass();
        if (program.state().lastEventKind == kind) {
            return true;
        }
    }
    return false;
}

void Win32ProgramFixture::click(ControlId id) {
    HWND target = control(id);
    ASSERT_NE(target, nullptr);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

void Win32ProgramFixture::chooseMenu(MenuItemId item) {
    PostMessageA(window(mainWindowId), WM_COMMAND, MAKEWPARAM(item, 0), 0);
}

void Win32ProgramFixture::whenDialog(std::function<void(HWND)> action) {
    pendingAnswers.push_back(std::move(action));
    if (answerTimer == 0) {
        answerTimer = SetTimer(nullptr, 0, 50, answerPendingDialog);
    }
}

void Win32ProgramFixture::answerFileDialogWith(const std::string& path) {
    whenDialog([this, path](HWND dialog) {
        dialogs.push_back(describe(dialog, window(mainWindowId)));
        if (path.empty()) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        // The file name box: a combo box in the explorer-style dialog.
        constexpr int fileNameCombo = 0x47c;
        constexpr int fileNameEdit = 0x480;
        SetDlgItemTextA(dialog, fileNameCombo, path.c_str());
        SetDlgItemTextA(dialog, fileNameEdit, path.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
}

void Win32ProgramFixture::answerMessageBox() {
    whenDialog([this](HWND dialog) {
        dialogs.push_back(describe(dialog, window(mainWindowId)));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
}

RECT Win32ProgramFixture::placeOf(ControlId id) const {
    RECT place{};
    HWND target = control(id);
    GetWindowRect(target, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(target), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::string Win32ProgramFixture::writeDump(const std::string& name, std::size_t length) {
    return writePatternDump(folder.file(name), length);
}
