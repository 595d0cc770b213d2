#include "ui/ControlColourTable.h"

#include <algorithm>

ControlColourTable::~ControlColourTable() {
    for (const ControlColourEntry& entry : table) {
        release(entry);
    }
}

void ControlColourTable::release(const ControlColourEntry& entry) {
    platform.releaseBrush(entry.faceBrush);
    // Releasing the stock hollow brush does nothing.
    platform.releaseBrush(entry.backBrush);
}

void ControlColourTable::setControlColours(ControlId controlId, ColourValue textColour,
                                           std::int32_t backColour) {
    const auto existing =
        std::find_if(table.begin(), table.end(),
                     [controlId](const ControlColourEntry& e) { return e.controlId == controlId; });
    if (existing != table.end()) {
        release(*existing);
        table.erase(existing);
    }
    ControlColourEntry entry{controlId, textColour, backColour, 0, 0};
    entry.faceBrush = platform.makeSolidBrush(platform.buttonFaceColour());
    entry.backBrush = backColour == transparentBackground
                          ? platform.hollowBrush()
                          : platform.makeSolidBrush(ColourValue(backColour));
    table.push_back(entry);
}

std::optional<BrushHandle>
ControlColourTable::answerControlColour(ControlId control, ControlPaintContext& context) const {
    std::optional<BrushHandle> answer;
    for (const ControlColourEntry& entry : table) {
        if (entry.controlId != control || !platform.controlExists(entry.controlId)) {
            continue;
        }
        context.setTextColour(entry.textColour);
        if (entry.backColour > 0) {
            context.setBackgroundMode(BackgroundMode::Opaque);
            context.setBackgroundColour(ColourValue(entry.backColour));
            answer = entry.backBrush;
        } else if (entry.backColour == buttonFaceBackground) {
            context.setBackgroundMode(BackgroundMode::Transparent);
            answer = entry.faceBrush;
        } else {
            context.setBackgroundMode(BackgroundMode::Transparent);
            answer = entry.backBrush;
        }
    }
    return answer;
}

WindowHook controlColourHook(const ControlColourTable& table) {
    return [&table](const WindowMessage& message) -> std::optional<BrushHandle> {
        if (message.kind != WindowMessageKind::ControlColour || message.context == nullptr) {
            return std::nullopt;
        }
        return table.answerControlColour(message.control, *message.context);
    };
}
