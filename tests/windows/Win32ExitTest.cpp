// tessaview.exe as a process: it opens its window and ends with exit code 0.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct WindowSearch {
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<WindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == wanted.processId && std::string(title) == "Tessaview 0.7") {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

std::string programPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "tessaview.exe";
}

class Win32ExitTest : public ::testing::TestWithParam<UINT> {};

// Starts the program, waits for its main window and sends the message there.
TEST_P(Win32ExitTest, EndsWithExitCodeZero) {
    std::string commandLine(1, '"');
    commandLine.append(programPath()).push_back('"');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WindowSearch search{process.dwProcessId, nullptr};
    for (int attempt = 0; attempt < 600 && search.found == nullptr; ++attempt) {
        EnumWindows(findMainWindow, LPARAM(&search));
        if (search.found == nullptr) {
            Sleep(100);
        }
    }
    HWND main = search.found;
    ASSERT_NE(main, nullptr);
    if (GetParam() == WM_CLOSE) {
        PostMessageA(main, WM_CLOSE, 0, 0);
    } else {
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(4, 0), 0);
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1234;
    EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The close box and the menu item "Exit" (a WM_COMMAND of item 4).
INSTANTIATE_TEST_SUITE_P(CloseBoxAndExit, Win32ExitTest, ::testing::Values(WM_CLOSE, WM_COMMAND),
                         [](const ::testing::TestParamInfo<UINT>& info) {
                             return info.param == WM_CLOSE ? "CloseBox" : "ExitItem";
                         });

} // namespace
