#pragma once

#include "conversion/ColourValue.h"
#include "platform/Platform.h"

#include <cstdint>
#include <optional>
#include <vector>

// Text colour and background of chosen controls, answered to the colour
// requests that controls make before they paint.
struct ControlColourEntry {
    ControlId controlId = 0;
    ColourValue textColour = 0;
    // Greater than 0: an opaque background of that colour; 0: a transparent
    // text background over the button-face colour; -1: a transparent
    // background through which the parent shows.
    std::int32_t backColour = 0;
    BrushHandle faceBrush = 0;
    BrushHandle backBrush = 0;
};

constexpr std::int32_t transparentBackground = -1;
constexpr std::int32_t buttonFaceBackground = 0;

class ControlColourTable {
public:
    explicit ControlColourTable(Platform& platform) : platform(platform) {}
    ControlColourTable(const ControlColourTable&) = delete;
    ControlColourTable& operator=(const ControlColourTable&) = delete;
    ~ControlColourTable();

    // Enters the control's colours, replacing (and releasing the brushes of)
    // an entry it already has.
    void setControlColours(ControlId controlId, ColourValue textColour, std::int32_t backColour);

    // The brush to paint the asking control's background with, or nullopt
    // when no entry of an existing control answers; sets the text colour and
    // background of the paint context. Entries of controls that no longer
    // exist are skipped.
    std::optional<BrushHandle> answerControlColour(ControlId control,
                                                   ControlPaintContext& context) const;

    const std::vector<ControlColourEntry>& entries() const { return table; }

private:
    void release(const ControlColourEntry& entry);

    Platform& platform;
    std::vector<ControlColourEntry> table;
};

// The program's one window message hook: answers controls' colour requests
// from the table and leaves every other message to the platform.
WindowHook controlColourHook(const ControlColourTable& table);
