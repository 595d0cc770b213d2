#include "ui/Program.h"

#include "conversion/ModeAndPalette.h"
#include "imaging/SaveCommand.h"
#include "resources/EmbeddedPictures.h"
#include "ui/AboutWindow.h"
#include "ui/ColourPicker.h"
#include "ui/Identifiers.h"
#include "ui/MainWindow.h"
#include "ui/SwatchButton.h"

#include <cstdio>
#include <cstdlib>

Program::Program(Platform& platform)
    : platform(platform), colours(platform), seam(platform), saveDialog(platform),
      decoder(converter, store, seam) {}

void Program::run() {
    if (!startUp()) {
        exitProgram();
    }
    for (;;) {
        eventLoopPass();
    }
}

bool Program::startUp() {
    platform.initialise(store);
    store.loadEmbeddedPng(textureSlot, textureTilePng());
    store.loadEmbeddedPng(aboutBannerSlot, aboutBannerPng());
    if (!openMainWindow(platform, store)) {
        return false;
    }
    applyScreenMode(converter, 2);
    platform.selectOption(mode2OptionId);
    setPalette(converter, defaultPaletteFor(2));
    platform.installWindowHook(controlColourHook(colours));
    converter.quitRequested = false;
    return true;
}

void Program::eventLoopPass() {
    converter.lastEventKind = platform.waitForEvent();
    converter.lastMenuItem = platform.eventIdentifier();
    converter.lastControl = platform.eventIdentifier();
    converter.lastWindow = platform.eventWindowId();
    switch (converter.lastEventKind) {
    case EventKind::CloseRequest:
        if (converter.lastWindow == mainWindowId) {
            converter.quitRequested = true;
        }
        break;
    case EventKind::MenuCommand:
        dispatchMenuCommand(converter.lastMenuItem);
        break;
    case EventKind::ControlEvent:
        dispatchControlEvent(converter.lastControl);
        break;
    default:
        break;
    }
    if (converter.quitRequested) {
        platform.closeWindow(mainWindowId);
        exitProgram();
    }
}

void Program::dispatchMenuCommand(MenuItemId item) {
    switch (item) {
    case openFileItem:
        openCommand();
        break;
    case saveAsItem:
        saveAsCommand(store, saveDialog);
        break;
    case exitItem:
        exitProgram();
    case optionsItem:
    case manualItem:
        showNotImplemented();
        break;
    case aboutItem:
        aboutCommand();
        break;
    default:
        break;
    }
}

void Program::dispatchControlEvent(ControlId control) {
    if (control >= firstPaletteSwatchId && control <= lastPaletteSwatchId) {
        paletteSwatchCommand(control - firstPaletteSwatchId);
        return;
    }
    switch (control) {
    case defaultPaletteButtonId:
        defaultPaletteCommand();
        break;
    case mode0OptionId:
        modeCommand(0);
        break;
    case mode1OptionId:
        modeCommand(1);
        break;
    case mode2OptionId:
        modeCommand(2);
        break;
    case mode4OptionId:
        modeCommand(4);
        break;
    case mode5OptionId:
        modeCommand(5);
        break;
    default:
        break;
    }
}

void Program::modeCommand(int modeNumber) {
    applyScreenMode(converter, modeNumber);
    reconvertCurrentFile();
}

void Program::defaultPaletteCommand() {
    resetPaletteToDefault(converter);
    repaintPaletteSwatches(platform, store, converter.palette);
    reconvertCurrentFile();
}

void Program::paletteSwatchCommand(int logicalColour) {
    const std::optional<ColourValue> picked = pickColour(platform, store);
    if (!picked) {
        // The picker could not be opened: nothing was picked, nothing changes.
        return;
    }
    setPaletteEntry(converter, logicalColour, *picked);
    repaintPaletteSwatches(platform, store, converter.palette);
    reconvertCurrentFile();
}

void Program::aboutCommand() {
    showAboutWindow(platform, store, colours, converter);
}

void Program::showNotImplemented() {
    platform.showMessageBox("Information", "Sorry, but this feature has not been implemented yet!",
                            MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

void Program::openCommand() {
    const std::string path =
        decoder.convertScreenDump("", converter.width, converter.height, converter.bitsPerPixel);
    if (!path.empty()) {
        converter.currentPath = path;
    }
}

void Program::reconvertCurrentFile() {
    if (converter.currentPath.empty()) {
        return;
    }
    decoder.convertScreenDump(converter.currentPath, converter.width, converter.height,
                              converter.bitsPerPixel);
}

void Program::exitProgram() {
    store.releaseAllImages();
    platform.closeAllWindows();
    platform.releaseAllFonts();
    // Nothing is left to release: the process ends at once, without running
    // the destructors of static objects, which could wait on the window
    // system's worker threads.
    std::fflush(nullptr);
    std::_Exit(0);
}

[[noreturn]] void runProgram(Platform& platform) {
    Program program(platform);
    program.run();
}
