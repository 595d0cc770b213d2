#pragma once

#include "conversion/ColourValue.h"
#include "platform/PlatformTypes.h"

#include <cstdint>
#include <functional>
#include <optional>

// A brush the platform made for the program; 0 is none.
using BrushHandle = std::uintptr_t;

enum class BackgroundMode {
    Opaque,
    Transparent,
};

// The drawing state a control is about to paint its text with; a colour
// request may change it (on Windows the device context of WM_CTLCOLORSTATIC).
class ControlPaintContext {
public:
    virtual ~ControlPaintContext() = default;
    virtual void setTextColour(ColourValue colour) = 0;
    virtual void setBackgroundMode(BackgroundMode mode) = 0;
    virtual void setBackgroundColour(ColourValue colour) = 0;
};

enum class WindowMessageKind {
    // A control asks for its colours before it paints
    // (WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX).
    ControlColour,
    Other,
};

// One message of a window of the program, offered to the hook before the
// platform's own handling.
struct WindowMessage {
    WindowId window = 0;
    WindowMessageKind kind = WindowMessageKind::Other;
    ControlId control = 0;                  // the asking control of a ControlColour
    ControlPaintContext* context = nullptr; // its drawing state, for a ControlColour
};

// The answer to a message, or nullopt for "not handled". The answer to a
// ControlColour is the brush the control's background is painted with.
using WindowHook = std::function<std::optional<BrushHandle>(const WindowMessage&)>;
