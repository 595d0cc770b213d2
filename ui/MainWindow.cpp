#include "ui/MainWindow.h"

#include "conversion/PhysicalColour.h"
#include "ui/Identifiers.h"
#include "ui/SwatchButton.h"
#include "ui/WindowPlacement.h"

#include <vector>

namespace {

std::vector<MenuDefinition> mainMenus() {
    return {
        {"File",
         {{openFileItem, "Open file..."}, {saveAsItem, "Save as..."}, {0, ""}, {exitItem, "Exit"}}},
        {"Tools", {{optionsItem, "Options..."}}},
        {"Help", {{manualItem, "Manual"}, {0, ""}, {aboutItem, "About"}}},
    };
}

struct OptionPlace {
    ControlId id;
    int y;
    const char* text;
};

constexpr OptionPlace modeOptions[] = {
    {mode0OptionId, 20, "Mode 0"}, {mode1OptionId, 35, "Mode 1"}, {mode2OptionId, 50, "Mode 2"},
    {mode4OptionId, 65, "Mode 4"}, {mode5OptionId, 80, "Mode 5"},
};

} // namespace

bool openMainWindow(Platform& platform, ImageStore& store) {
    const PixelSize outer = platform.outerSizeFor(mainWindowClientSize, WindowFrame::Titled);
    const WindowDefinition window{mainWindowId,
                                  "Tessaview 0.7",
                                  mainWindowClientSize,
                                  WindowFrame::Titled,
                                  centredPosition(outer, platform.screenSize()),
                                  0};
    if (!platform.openWindow(window)) {
        return false;
    }
    platform.setPatternBackground(mainWindowId, store.displayHandle(textureSlot));
    platform.setMenuBar(mainWindowId, mainMenus());
    if (!platform.openControlList(mainWindowId)) {
        return false;
    }
    platform.makeImageControl(imageDisplayId, 125, 0, 197, 296, 0);
    platform.makePanel(sidePanelId, 0, 0, 125, 515);
    platform.makeGroupBox(paletteGroupId, 5, 105, 110, 100, "Palette options");
    for (int n = 0; n < physicalColourCount; ++n) {
        makeSwatchButton(platform, store, firstPaletteSwatchId + n, firstPaletteFaceSlot + n,
                         10 + 25 * (n % 4), 120 + 25 * (n / 4), 20, 20, physicalColourValue(n),
                         WS_EX_CLIENTEDGE);
    }
    platform.makePushButton(defaultPaletteButtonId, 10, 175, 100, 25, "Default Palette");
    platform.makeGroupBox(modeGroupId, 5, 5, 110, 95, "Mode selection");
    for (const OptionPlace& option : modeOptions) {
        platform.makeOptionButton(option.id, 10, option.y, 80, 15, option.text);
    }
    platform.closePanel();
    platform.showWindow(mainWindowId);
    return true;
}
