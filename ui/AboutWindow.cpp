#include "ui/AboutWindow.h"

#include "ui/BuildTime.h"
#include "ui/Identifiers.h"
#include "ui/WindowPlacement.h"

#include <string>
#include <vector>

namespace {

struct Label {
    ControlId id;
    int x, y, width, height;
    std::string text;
    int pointSize;
    bool bold;
};

// In the order they are made; the Okay button and the banner follow.
std::vector<Label> aboutLabels() {
    return {
        {29, 70, 5, 340, 20, "Tessaview", 12, true},
        {30, 70, 25, 340, 15, versionLine(buildTime()), 8, false},
        {31, 70, 180, 340, 15, "Copyright (c) 2005 the Tessaview developers", 7, false},
        {32, 70, 55, 340, 15, "Programmed by the Tessaview developers", 8, false},
        {34, 70, 140, 340, 15, "Check for software updates at https://tessaview.example.org/", 8,
         false},
        {35, 70, 90, 340, 30,
         "If you have any comments, bug reports or suggestions for improvement then please "
         "contact me at tessaview@example.org",
         8, false},
        {36, 70, 195, 335, 35,
         "This program is provided \"as is\", without warranty of any kind. You use it at your "
         "own risk: the authors are not liable for any damage or loss of data it may cause.",
         7, false},
    };
}

void makeLabel(Platform& platform, ControlColourTable& colours, const Label& label) {
    platform.makeLabel(label.id, label.x, label.y, label.width, label.height, label.text);
    colours.setControlColours(label.id, 0x000000, transparentBackground);
    // Each label has a font of its own, numbered as the label, so that the
    // next opening replaces and releases it.
    platform.makeFont(label.id, FontDefinition{"Arial", label.pointSize, label.bold});
    platform.setControlFont(label.id, label.id);
}

} // namespace

bool openAboutWindow(Platform& platform, const ImageStore& store, ControlColourTable& colours) {
    const PixelSize outer = platform.outerSizeFor(aboutWindowClientSize, WindowFrame::DialogFrame);
    const WindowDefinition window{aboutWindowId,
                                  "",
                                  aboutWindowClientSize,
                                  WindowFrame::DialogFrame,
                                  centredPosition(outer, platform.screenSize()),
                                  mainWindowId};
    if (!platform.openWindow(window)) {
        return false;
    }
    platform.setSolidBackground(aboutWindowId, 0xFFFFFF);
    if (!platform.openControlList(aboutWindowId)) {
        platform.closeWindow(aboutWindowId);
        return false;
    }
    // The controls are made in the order of their numbers: the labels before
    // the Okay button, the button, the labels after it, the banner.
    const std::vector<Label> labels = aboutLabels();
    for (const Label& label : labels) {
        if (label.id < aboutOkayButtonId) {
            makeLabel(platform, colours, label);
        }
    }
    platform.makePushButton(aboutOkayButtonId, 290, 240, 120, 25, "Okay");
    for (const Label& label : labels) {
        if (label.id > aboutOkayButtonId) {
            makeLabel(platform, colours, label);
        }
    }
    platform.makeImageControl(aboutBannerId, 0, 0, 64, 400, 0);
    platform.setControlImage(aboutBannerId, store.displayHandle(aboutBannerSlot));
    platform.showWindow(aboutWindowId);
    return true;
}

void showAboutWindow(Platform& platform, const ImageStore& store, ControlColourTable& colours,
                     ConverterState& state) {
    if (!openAboutWindow(platform, store, colours)) {
        return;
    }
    state.aboutDone = false;
    while (!state.aboutDone) {
        // Neither the kind of event nor its window matters: only the Okay
        // button carries this identifier.
        state.lastEventKind = platform.waitForEvent();
        state.lastControl = platform.eventIdentifier();
        if (state.lastControl == aboutOkayButtonId) {
            state.aboutDone = true;
        }
    }
    platform.closeWindow(aboutWindowId);
}
