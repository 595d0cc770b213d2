// The Tessaview window program on Windows.
#include "platform/win32/Win32Platform.h"
#include "ui/Program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Win32Platform platform;
    runProgram(platform);
}
