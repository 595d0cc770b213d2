#pragma once

#include "conversion/ConverterState.h"
#include "conversion/ScreenDumpDecoder.h"
#include "imaging/ImageStore.h"
#include "platform/Platform.h"
#include "ui/ControlColourTable.h"
#include "ui/PlatformSaveDialog.h"
#include "ui/WindowDecoderSeam.h"

// The program from start-up to exit: it owns the application state and the
// image store, takes one event at a time and runs its command to the end.
class Program {
public:
    explicit Program(Platform& platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up, the event loop and the exit sequence.
    [[noreturn]] void run();

    // The embedded pictures, the main window, Mode 2 with its palette and the
    // window hook. False when the main window cannot be made.
    bool startUp();
    // One pass of the event loop: wait, record the event, dispatch it; ends
    // the program after a close request of the main window.
    void eventLoopPass();

    void openCommand();
    void reconvertCurrentFile();
    // Releases every image, window and font and ends the process with exit code 0.
    [[noreturn]] void exitProgram();

    const ConverterState& state() const { return converter; }
    const ImageStore& images() const { return store; }
    const ControlColourTable& controlColours() const { return colours; }

private:
    void dispatchMenuCommand(MenuItemId item);
    void dispatchControlEvent(ControlId control);
    void modeCommand(int modeNumber);
    void defaultPaletteCommand();
    void paletteSwatchCommand(int logicalColour);
    void aboutCommand();
    void showNotImplemented();

    Platform& platform;
    ConverterState converter;
    ImageStore store;
    ControlColourTable colours;
    WindowDecoderSeam seam;
    PlatformSaveDialog saveDialog;
    ScreenDumpDecoder decoder;
};

// The program's entry: runs a Program on the platform; never returns.
[[noreturn]] void runProgram(Platform& platform);
