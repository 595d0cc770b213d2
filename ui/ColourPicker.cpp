#include "ui/ColourPicker.h"

#include "conversion/PhysicalColour.h"
#include "ui/Identifiers.h"
#include "ui/SwatchButton.h"

bool openColourPicker(Platform& platform, ImageStore& store) {
    const WindowDefinition window{colourPickerWindowId,      "",
                                  colourPickerClientSize,    WindowFrame::DialogFrame,
                                  platform.cursorPosition(), mainWindowId};
    if (!platform.openWindow(window)) {
        return false;
    }
    if (!platform.openControlList(colourPickerWindowId)) {
        platform.closeWindow(colourPickerWindowId);
        return false;
    }
    for (int n = 0; n < physicalColourCount; ++n) {
        makeSwatchButton(platform, store, firstPickerSwatchId + n, firstPickerFaceSlot + n, 25 * n,
                         0, 20, 20, physicalColourValue(n), WS_EX_CLIENTEDGE);
    }
    platform.showWindow(colourPickerWindowId);
    return true;
}

std::optional<ColourValue> pickColour(Platform& platform, ImageStore& store) {
    if (!openColourPicker(platform, store)) {
        return std::nullopt;
    }
    std::optional<ColourValue> picked;
    while (!picked) {
        // Neither the kind of event nor its window matters: only the
        // picker's own swatches carry these identifiers.
        platform.waitForEvent();
        const std::int32_t identifier = platform.eventIdentifier();
        if (identifier >= firstPickerSwatchId && identifier <= lastPickerSwatchId) {
            picked = physicalColourValue(identifier - firstPickerSwatchId);
        }
    }
    platform.closeWindow(colourPickerWindowId);
    return picked;
}
